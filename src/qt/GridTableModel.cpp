#include "qt/GridTableModel.h"

#include "qt/QtText.h"

#include <QWidget>

#include <algorithm>

namespace dered {

Qt::Alignment AlignmentToQt(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

GridTableModel::GridTableModel(const GridModel& grid, const QWidget& view, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), view_(view) {
    headerRows_ = grid_.FixedRows() == 1 ? 1 : 0;
    rows_ = std::max(grid_.Rows() - headerRows_, 0);
    cols_ = grid_.Cols();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

bool GridTableModel::IsFixed(int gridRow, int col) const {
    return gridRow < grid_.FixedRows() || col < grid_.FixedCols();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row() + headerRows_;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return ToQt(grid_.TextAt(row, col));
    case Qt::TextAlignmentRole:
        return static_cast<int>(
            AlignmentToQt(IsFixed(row, col) ? grid_.FixedAlignment(col) : grid_.ColAlignment(col)));
    case Qt::BackgroundRole:
        return IsFixed(row, col) ? QVariant(view_.palette().button()) : QVariant();
    case Qt::ForegroundRole:
        return IsFixed(row, col) ? QVariant(view_.palette().buttonText()) : QVariant();
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || headerRows_ == 0) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return ToQt(grid_.TextAt(0, section));
    case Qt::TextAlignmentRole:
        return static_cast<int>(AlignmentToQt(grid_.FixedAlignment(section)));
    default:
        return {};
    }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (IsFixed(index.row() + headerRows_, index.column())) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridTableModel::Reset() {
    const int headerRows = grid_.FixedRows() == 1 ? 1 : 0;
    const int rows = std::max(grid_.Rows() - headerRows, 0);
    if (headerRows == headerRows_ && rows == rows_ && grid_.Cols() == cols_) {
        // The same table: only the fixed cells' colours may have changed.
        for (int col = 0; col < cols_; ++col) {
            ColumnChanged(col);
        }
        return;
    }
    beginResetModel();
    headerRows_ = headerRows;
    rows_ = rows;
    cols_ = grid_.Cols();
    changedCells_ = QRect();
    firstChangedHeading_ = lastChangedHeading_ = -1;
    endResetModel();
}

void GridTableModel::CellChanged(int row, int col) {
    if (!view_.isVisible()) {
        return; // a view paints every cell when it is shown
    }
    if (row < headerRows_) {
        HeadingChanged(col);
    } else {
        changedCells_ |= QRect(col, row - headerRows_, 1, 1);
    }
    FlushLater();
}

void GridTableModel::ColumnChanged(int col) {
    if (col < 0 || col >= cols_ || !view_.isVisible()) {
        return;
    }
    if (rows_ > 0) {
        changedCells_ |= QRect(col, 0, 1, rows_);
    }
    if (headerRows_ == 1) {
        HeadingChanged(col);
    }
    FlushLater();
}

void GridTableModel::HeadingChanged(int col) {
    firstChangedHeading_ = firstChangedHeading_ < 0 ? col : std::min(firstChangedHeading_, col);
    lastChangedHeading_ = std::max(lastChangedHeading_, col);
}

// A report fills thousands of cells at once: the views repaint once for all of them.
void GridTableModel::FlushLater() {
    if (!flushPending_) {
        flushPending_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Flush(); }, Qt::QueuedConnection);
    }
}

void GridTableModel::Flush() {
    flushPending_ = false;
    // A shape change since may have left cells that are no longer there.
    const QRect cells = changedCells_ & QRect(0, 0, cols_, rows_);
    const int lastHeading = std::min(lastChangedHeading_, cols_ - 1);
    const int firstHeading = firstChangedHeading_;
    changedCells_ = QRect();
    firstChangedHeading_ = lastChangedHeading_ = -1;
    if (!cells.isEmpty()) {
        emit dataChanged(index(cells.top(), cells.left()), index(cells.bottom(), cells.right()));
    }
    if (firstHeading >= 0 && firstHeading <= lastHeading) {
        emit headerDataChanged(Qt::Horizontal, firstHeading, lastHeading);
    }
}

} // namespace dered
