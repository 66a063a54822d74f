#include "qt/GridBinding.h"

#include "qt/GridCellDelegate.h"
#include "qt/GridTableModel.h"
#include "qt/QtText.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace dered {

GridBinding::GridBinding(GridModel& model, QTableView& table)
    : GridBinding(model, table, nullptr) {}

GridBinding::GridBinding(GridModel& model, QTableWidget& table)
    : GridBinding(model, table, &table) {}

GridBinding::GridBinding(GridModel& model, QTableView& table, QTableWidget* items)
    : model_(model), table_(table), items_(items) {
    // A header that is shown measures its texts whenever the rows or columns change.
    table_.verticalHeader()->hide();
    if (items_ == nullptr) {
        cells_ = new GridTableModel(model_, table_, this);
        table_.horizontalHeader()->setVisible(HeaderRows() == 1);
        table_.setModel(cells_);
    }
    table_.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_.verticalHeader()->setMinimumSectionSize(1);
    table_.horizontalHeader()->setMinimumSectionSize(1);
    table_.horizontalHeader()->setHighlightSections(false);
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.setSelectionMode(QAbstractItemView::SingleSelection);
    table_.setSelectionBehavior(QAbstractItemView::SelectItems);
    table_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_.setWordWrap(false);
    // A text wider than its column is cut at the column's edge, as the classic grid does,
    // rather than ending in "...".
    table_.setTextElideMode(Qt::ElideNone);
    table_.setItemDelegate(new GridCellDelegate(&table_));
    table_.setCornerButtonEnabled(false);

    Listen(model_, [this](const GridChange& change) { Changed(change); });
    connect(&table_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        Pressed(index.row(), index.column());
        if (onClick) {
            onClick();
        }
    });
    connect(&table_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        Pressed(index.row(), index.column());
        if (onDblClick) {
            onDblClick();
        }
    });
    connect(table_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!scrolling_) {
            scrolling_ = true;
            model_.SetTopRow(value + HeaderRows());
            scrolling_ = false;
        }
    });
    Rebuild();
}

void GridBinding::Changed(const GridChange& change) {
    switch (change.kind) {
    case GridChange::Kind::Cell:
        SetCellText(change.row, change.col);
        break;
    case GridChange::Kind::Shape:
        Rebuild();
        if (onLayout) {
            onLayout();
        }
        break;
    case GridChange::Kind::Layout:
        if (change.col >= 0) {
            ApplyColumn(change.col);
        } else if (change.row >= 0) {
            ApplyRow(change.row);
        } else {
            Rebuild();
        }
        if (onLayout) {
            onLayout();
        }
        break;
    case GridChange::Kind::TopRow:
        ApplyTopRow();
        break;
    case GridChange::Kind::Selection:
        ApplySelection();
        break;
    }
}

bool GridBinding::IsFixed(int row, int col) const {
    return row < model_.FixedRows() || col < model_.FixedCols();
}

void GridBinding::Rebuild() {
    if (cells_ != nullptr) {
        table_.horizontalHeader()->hide();
        cells_->Reset();
    } else {
        RebuildItems();
    }
    table_.horizontalHeader()->setVisible(HeaderRows() == 1);
    for (int col = 0; col < model_.Cols(); ++col) {
        ApplyColumnWidth(col);
    }
    for (int row = 0; row < model_.Rows(); ++row) {
        ApplyRow(row);
    }
    ApplyTopRow();
}

void GridBinding::RebuildItems() {
    items_->clear();
    const int headerRows = HeaderRows();
    items_->setColumnCount(model_.Cols());
    items_->setRowCount(std::max(model_.Rows() - headerRows, 0));
    for (int col = 0; col < model_.Cols(); ++col) {
        if (headerRows == 1) {
            items_->setHorizontalHeaderItem(col, new QTableWidgetItem);
        }
        for (int row = headerRows; row < model_.Rows(); ++row) {
            auto* item = new QTableWidgetItem;
            if (IsFixed(row, col)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(items_->palette().button());
                item->setForeground(items_->palette().buttonText());
            }
            items_->setItem(row - headerRows, col, item);
        }
        for (int row = 0; row < model_.Rows(); ++row) {
            SetCellText(row, col);
        }
        ApplyItemAlignments(col);
    }
}

void GridBinding::ApplyColumn(int col) {
    if (col >= table_.model()->columnCount()) {
        return;
    }
    ApplyColumnWidth(col);
    if (cells_ != nullptr) {
        cells_->ColumnChanged(col);
    } else {
        ApplyItemAlignments(col);
    }
}

void GridBinding::ApplyColumnWidth(int col) {
    if (col < table_.model()->columnCount()) {
        table_.setColumnWidth(col, model_.ColWidth(col));
    }
}

void GridBinding::ApplyItemAlignments(int col) {
    const int headerRows = HeaderRows();
    if (QTableWidgetItem* header = items_->horizontalHeaderItem(col)) {
        header->setTextAlignment(AlignmentToQt(model_.FixedAlignment(col)));
    }
    for (int row = headerRows; row < model_.Rows(); ++row) {
        if (QTableWidgetItem* item = items_->item(row - headerRows, col)) {
            item->setTextAlignment(AlignmentToQt(IsFixed(row, col) ? model_.FixedAlignment(col)
                                                                   : model_.ColAlignment(col)));
        }
    }
}

void GridBinding::ApplyRow(int row) {
    // A row is never lower than its text, whatever the model's default height.
    const int height = std::max(model_.RowHeight(row), table_.fontMetrics().height() + 2);
    if (row < HeaderRows()) {
        headerHeight_ = height;
        table_.horizontalHeader()->setFixedHeight(height);
    } else if (row - HeaderRows() < table_.model()->rowCount()) {
        table_.setRowHeight(row - HeaderRows(), height);
    }
}

void GridBinding::SetCellText(int row, int col) {
    if (cells_ != nullptr) {
        cells_->CellChanged(row, col);
        return;
    }
    const QString text = ToQt(model_.TextAt(row, col));
    const int headerRows = HeaderRows();
    QTableWidgetItem* item =
        row < headerRows ? items_->horizontalHeaderItem(col) : items_->item(row - headerRows, col);
    if (item != nullptr && item->text() != text) {
        item->setText(text);
    }
}

void GridBinding::ApplyTopRow() {
    scrolling_ = true;
    table_.verticalScrollBar()->setValue(std::max(model_.TopRow() - HeaderRows(), 0));
    scrolling_ = false;
}

void GridBinding::ApplySelection() {
    QItemSelectionModel* selection = table_.selectionModel();
    const QAbstractItemModel* cells = table_.model();
    const int row = model_.Row() - HeaderRows();
    const int first = std::max(model_.SelStartCol(), 0);
    const int last = std::min(model_.SelEndCol(), cells->columnCount() - 1);
    if (row < 0 || row >= cells->rowCount() || first > last) {
        selection->clearSelection();
        return;
    }
    selection->select(QItemSelection(cells->index(row, first), cells->index(row, last)),
                      QItemSelectionModel::ClearAndSelect);
}

void GridBinding::Pressed(int tableRow, int col) {
    model_.SetRow(tableRow + HeaderRows());
    model_.SetCol(col);
    if (table_.selectionMode() == QAbstractItemView::SingleSelection) {
        model_.SetSelection(col, col); // a grid that takes ranges keeps the one dragged out
    }
}

QSize GridBinding::FittingSize(int maxRows) const {
    const int frame = 2 * table_.frameWidth();
    int width = table_.horizontalHeader()->length() + frame;
    if (table_.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
        width += table_.verticalScrollBar()->sizeHint().width();
    }
    int height = frame;
    if (HeaderRows() == 1) {
        height += headerHeight_;
    }
    const int rows = std::min(maxRows, table_.model()->rowCount());
    for (int row = 0; row < rows; ++row) {
        height += table_.rowHeight(row);
    }
    return {width, height};
}

void ShowAllReadOnly(QTableView& table) {
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setFocusPolicy(Qt::NoFocus);
    table.setSelectionMode(QAbstractItemView::NoSelection);
}

} // namespace dered
