#pragma once

#include "ui/Observable.h"

#include <string>
#include <vector>

namespace dered {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct GridChange {
    enum class Kind { Cell, Shape, Layout, TopRow, Selection };
    Kind kind;
    int row = -1;
    int col = -1;
};

// A text grid driven like the classic grid control: the program makes a cell current
// (Row, Col) and then sets or reads its Text.
class GridModel : public Observable<GridChange> {
  public:
    GridModel(int rows, int cols);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedRows(int n);
    void SetFixedCols(int n);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);

    const std::string& Text() const { return TextAt(row_, col_); }
    void SetText(const std::string& text) { SetTextAt(row_, col_, text); }
    const std::string& TextAt(int row, int col) const;
    void SetTextAt(int row, int col, const std::string& text);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);
    Alignment ColAlignment(int col) const;
    void SetColAlignment(int col, Alignment alignment);
    Alignment FixedAlignment(int col) const;
    void SetFixedAlignment(int col, Alignment alignment);

    int TopRow() const { return topRow_; }
    void SetTopRow(int row);

    int SelStartCol() const { return selStartCol_; }
    int SelEndCol() const { return selEndCol_; }
    void SetSelection(int firstCol, int lastCol);

  private:
    bool InRange(int row, int col) const;
    void Reshape(int rows, int cols);
    // The column alignments of the cells or of the fixed cells.
    Alignment AlignmentIn(const std::vector<Alignment>& alignments, int col) const;
    void SetAlignmentIn(std::vector<Alignment>& alignments, int col, Alignment alignment);

    int rows_;
    int cols_;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
    int selStartCol_ = 0;
    int selEndCol_ = 0;
    std::vector<std::string> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<Alignment> colAlignments_;
    std::vector<Alignment> fixedAlignments_;
};

} // namespace dered

namespace dered {
// Makes (row, col) the grid's current cell and sets its text.
void SetGridCell(GridModel& grid, int row, int col, const std::string& value);
} // namespace dered
