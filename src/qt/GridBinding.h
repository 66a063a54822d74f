#pragma once

#include "qt/Binding.h"
#include "ui/GridModel.h"

#include <functional>

class QTableWidget;

namespace dered {

// A GridModel on a QTableWidget. A single fixed row becomes the table's header; other fixed
// rows and fixed columns are drawn in the header's colours. A click makes the clicked cell
// the model's current one before the view's handler runs.
class GridBinding : public Binding {
  public:
    GridBinding(GridModel& model, QTableWidget& table);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // After the model changed its shape or layout: the view may want to size the table anew.
    std::function<void()> onLayout;

    // The table's size that shows every column and, at most, maxRows rows.
    QSize FittingSize(int maxRows) const;

  private:
    void Changed(const GridChange& change);
    void Rebuild();
    void ApplyColumn(int col);
    void ApplyRow(int row);
    void ApplyTopRow();
    void ApplySelection();
    void SetCellText(int row, int col);
    int HeaderRows() const { return model_.FixedRows() == 1 ? 1 : 0; }
    bool IsFixed(int row, int col) const;
    void Pressed(int tableRow, int col);

    GridModel& model_;
    QTableWidget& table_;
    bool scrolling_ = false;
    int headerHeight_ = 0;
};

} // namespace dered
