#pragma once

#include "ui/GridModel.h"

#include <QAbstractTableModel>
#include <QRect>

class QWidget;

namespace dered {

// A GridModel as Qt's views see it, read in place: a single fixed row is the header, the
// other fixed rows and fixed columns take the colours of the view's buttons.
class GridTableModel : public QAbstractTableModel {
  public:
    GridTableModel(const GridModel& grid, const QWidget& view, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // After the grid changed its shape or its fixed rows and columns: the views start
    // afresh if the table's shape changed.
    void Reset();
    // The grid's cell (row, col) changed its text. A shown view hears of it when control
    // returns to the event loop, once for all the cells changed meanwhile; a hidden one paints
    // every cell when it is shown and hears nothing.
    void CellChanged(int row, int col);
    // Alignments of a column.
    void ColumnChanged(int col);

  private:
    bool IsFixed(int gridRow, int col) const;
    void HeadingChanged(int col);
    void FlushLater();
    void Flush();

    const GridModel& grid_;
    const QWidget& view_;
    int headerRows_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    QRect changedCells_; // in the view's rows
    int firstChangedHeading_ = -1;
    int lastChangedHeading_ = -1;
    bool flushPending_ = false;
};

Qt::Alignment AlignmentToQt(Alignment alignment);

} // namespace dered
