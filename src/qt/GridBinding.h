#pragma once

#include "qt/Binding.h"
#include "ui/GridModel.h"

#include <QSize>

#include <functional>

class QTableView;
class QTableWidget;

namespace dered {

class GridTableModel;

// A GridModel on a table view. A single fixed row becomes the table's header; other fixed
// rows and fixed columns are drawn in the header's colours. A click makes the clicked cell
// the model's current one before the view's handler runs.
//
// A QTableView reads the cells where they are. A QTableWidget, for the views that want its
// items, gets a copy of every cell in an item of its own.
class GridBinding : public Binding {
  public:
    GridBinding(GridModel& model, QTableView& table);
    GridBinding(GridModel& model, QTableWidget& table);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // After the model changed its shape or layout: the view may want to size the table anew.
    std::function<void()> onLayout;

    // The table's size that shows every column and, at most, maxRows rows.
    QSize FittingSize(int maxRows) const;

  private:
    GridBinding(GridModel& model, QTableView& table, QTableWidget* items);
    void Changed(const GridChange& change);
    void Rebuild();
    void RebuildItems();
    void ApplyColumn(int col);
    void ApplyColumnWidth(int col);
    void ApplyItemAlignments(int col);
    void ApplyRow(int row);
    void ApplyTopRow();
    void ApplySelection();
    void SetCellText(int row, int col);
    int HeaderRows() const { return model_.FixedRows() == 1 ? 1 : 0; }
    bool IsFixed(int row, int col) const;
    void Pressed(int tableRow, int col);

    GridModel& model_;
    QTableView& table_;
    QTableWidget* items_;
    GridTableModel* cells_ = nullptr; // when the view reads the cells in place
    bool scrolling_ = false;
    int headerHeight_ = 0;
};

// A table that shows all its cells at once and is only read: no scroll bars, no focus, no
// selection.
void ShowAllReadOnly(QTableView& table);

// A window built around one grid, which its tests reach.
template <typename Table> class WithGrid {
  public:
    Table& Grid() { return *grid_; }

  protected:
    Table* grid_ = nullptr;
};

} // namespace dered
