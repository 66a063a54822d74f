#include "qt/GridBinding.h"

#include "qt/QtText.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace dered {

namespace {

Qt::Alignment ToQt(Alignment alignment) {
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

} // namespace

GridBinding::GridBinding(GridModel& model, QTableWidget& table) : model_(model), table_(table) {
    table_.verticalHeader()->hide();
    table_.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_.verticalHeader()->setMinimumSectionSize(1);
    table_.horizontalHeader()->setMinimumSectionSize(1);
    table_.horizontalHeader()->setHighlightSections(false);
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.setSelectionMode(QAbstractItemView::SingleSelection);
    table_.setSelectionBehavior(QAbstractItemView::SelectItems);
    table_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_.setWordWrap(false);
    table_.setCornerButtonEnabled(false);

    Listen(model_, [this](const GridChange& change) { Changed(change); });
    connect(&table_, &QTableWidget::cellClicked, this, [this](int row, int col) {
        Pressed(row, col);
        if (onClick) {
            onClick();
        }
    });
    connect(&table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int col) {
        Pressed(row, col);
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
    table_.clear();
    const int headerRows = HeaderRows();
    table_.setColumnCount(model_.Cols());
    table_.setRowCount(std::max(model_.Rows() - headerRows, 0));
    table_.horizontalHeader()->setVisible(headerRows == 1);
    for (int col = 0; col < model_.Cols(); ++col) {
        if (headerRows == 1) {
            table_.setHorizontalHeaderItem(col, new QTableWidgetItem);
        }
        for (int row = headerRows; row < model_.Rows(); ++row) {
            auto* item = new QTableWidgetItem;
            if (IsFixed(row, col)) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(table_.palette().button());
                item->setForeground(table_.palette().buttonText());
            }
            table_.setItem(row - headerRows, col, item);
        }
    }
    for (int col = 0; col < model_.Cols(); ++col) {
        ApplyColumn(col);
        for (int row = 0; row < model_.Rows(); ++row) {
            SetCellText(row, col);
        }
    }
    for (int row = 0; row < model_.Rows(); ++row) {
        ApplyRow(row);
    }
    ApplyTopRow();
}

void GridBinding::ApplyColumn(int col) {
    if (col >= table_.columnCount()) {
        return;
    }
    table_.setColumnWidth(col, model_.ColWidth(col));
    const int headerRows = HeaderRows();
    if (QTableWidgetItem* header = table_.horizontalHeaderItem(col)) {
        header->setTextAlignment(ToQt(model_.FixedAlignment(col)));
    }
    for (int row = headerRows; row < model_.Rows(); ++row) {
        if (QTableWidgetItem* item = table_.item(row - headerRows, col)) {
            item->setTextAlignment(
                ToQt(IsFixed(row, col) ? model_.FixedAlignment(col) : model_.ColAlignment(col)));
        }
    }
}

void GridBinding::ApplyRow(int row) {
    // A row is never lower than its text, whatever the model's default height.
    const int height = std::max(model_.RowHeight(row), table_.fontMetrics().height() + 2);
    if (row < HeaderRows()) {
        headerHeight_ = height;
        table_.horizontalHeader()->setFixedHeight(height);
    } else if (row - HeaderRows() < table_.rowCount()) {
        table_.setRowHeight(row - HeaderRows(), height);
    }
}

void GridBinding::SetCellText(int row, int col) {
    const QString text = dered::ToQt(model_.TextAt(row, col));
    const int headerRows = HeaderRows();
    QTableWidgetItem* item =
        row < headerRows ? table_.horizontalHeaderItem(col) : table_.item(row - headerRows, col);
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
    table_.clearSelection();
    const int row = model_.Row() - HeaderRows();
    if (row < 0 || row >= table_.rowCount()) {
        return;
    }
    const int last = std::min(model_.SelEndCol(), table_.columnCount() - 1);
    for (int col = std::max(model_.SelStartCol(), 0); col <= last; ++col) {
        if (QTableWidgetItem* item = table_.item(row, col)) {
            item->setSelected(true);
        }
    }
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
    const int rows = std::min(maxRows, table_.rowCount());
    for (int row = 0; row < rows; ++row) {
        height += table_.rowHeight(row);
    }
    return {width, height};
}

} // namespace dered
