#include "ui/GridModel.h"

#include <algorithm>

namespace dered {

namespace {
const std::string kNoText;
constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 16;
} // namespace

GridModel::GridModel(int rows, int cols) : rows_(0), cols_(0) {
    Reshape(rows, cols);
}

void GridModel::Reshape(int rows, int cols) {
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    std::vector<std::string> cells(static_cast<size_t>(rows) * cols);
    for (int r = 0; r < std::min(rows, rows_); ++r) {
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            cells[static_cast<size_t>(r) * cols + c] =
                std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
        }
    }
    cells_ = std::move(cells);
    colWidths_.resize(cols, kDefaultColWidth);
    colAlignments_.resize(cols, Alignment::Left);
    fixedAlignments_.resize(cols, Alignment::Left);
    rowHeights_.resize(rows, kDefaultRowHeight);
    rows_ = rows;
    cols_ = cols;
    row_ = std::clamp(row_, 0, std::max(rows_ - 1, 0));
    col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
    Notify({GridChange::Kind::Shape});
}

void GridModel::SetRows(int rows) {
    if (rows != rows_) {
        Reshape(rows, cols_);
    }
}

void GridModel::SetCols(int cols) {
    if (cols != cols_) {
        Reshape(rows_, cols);
    }
}

void GridModel::SetFixedRows(int n) {
    fixedRows_ = n;
    Notify({GridChange::Kind::Layout});
}

void GridModel::SetFixedCols(int n) {
    fixedCols_ = n;
    Notify({GridChange::Kind::Layout});
}

void GridModel::SetRow(int row) {
    row_ = std::clamp(row, 0, std::max(rows_ - 1, 0));
}

void GridModel::SetCol(int col) {
    col_ = std::clamp(col, 0, std::max(cols_ - 1, 0));
}

bool GridModel::InRange(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

const std::string& GridModel::TextAt(int row, int col) const {
    return InRange(row, col) ? cells_[static_cast<size_t>(row) * cols_ + col] : kNoText;
}

void GridModel::SetTextAt(int row, int col, const std::string& text) {
    if (!InRange(row, col)) {
        return;
    }
    std::string& cell = cells_[static_cast<size_t>(row) * cols_ + col];
    if (cell != text) {
        cell = text;
        Notify({GridChange::Kind::Cell, row, col});
    }
}

int GridModel::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? colWidths_[col] : 0;
}

void GridModel::SetColWidth(int col, int width) {
    if (col >= 0 && col < cols_) {
        colWidths_[col] = width;
        Notify({GridChange::Kind::Layout, -1, col});
    }
}

int GridModel::RowHeight(int row) const {
    return row >= 0 && row < rows_ ? rowHeights_[row] : 0;
}

void GridModel::SetRowHeight(int row, int height) {
    if (row >= 0 && row < rows_) {
        rowHeights_[row] = height;
        Notify({GridChange::Kind::Layout, row, -1});
    }
}

Alignment GridModel::ColAlignment(int col) const {
    return AlignmentIn(colAlignments_, col);
}

void GridModel::SetColAlignment(int col, Alignment alignment) {
    SetAlignmentIn(colAlignments_, col, alignment);
}

Alignment GridModel::FixedAlignment(int col) const {
    return AlignmentIn(fixedAlignments_, col);
}

void GridModel::SetFixedAlignment(int col, Alignment alignment) {
    SetAlignmentIn(fixedAlignments_, col, alignment);
}

Alignment GridModel::AlignmentIn(const std::vector<Alignment>& alignments, int col) const {
    return col >= 0 && col < cols_ ? alignments[col] : Alignment::Left;
}

void GridModel::SetAlignmentIn(std::vector<Alignment>& alignments, int col, Alignment alignment) {
    if (col >= 0 && col < cols_) {
        alignments[col] = alignment;
        Notify({GridChange::Kind::Layout, -1, col});
    }
}

void GridModel::SetTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(rows_ - 1, 0));
    Notify({GridChange::Kind::TopRow, topRow_});
}

void GridModel::SetSelection(int firstCol, int lastCol) {
    selStartCol_ = std::min(firstCol, lastCol);
    selEndCol_ = std::max(firstCol, lastCol);
    Notify({GridChange::Kind::Selection});
}

} // namespace dered

namespace dered {
void SetGridCell(GridModel& grid, int row, int col, const std::string& value) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.SetText(value);
}
} // namespace dered
