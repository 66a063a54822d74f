#include "ui/GridModel.h"

#include <gtest/gtest.h>

#include <utility>

namespace dered {
namespace {

// The forms write grids by computed rows and columns; the last cell must work like any other
// and one past it must neither write nor read beyond the grid.
TEST(GridModel, TheLastCellWorksAndTheOnePastItIsIgnoredOrClamped) {
    GridModel grid(3, 2);
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(std::pair(grid.Row(), grid.Col()), std::pair(2, 1));
    grid.SetText("last");
    EXPECT_EQ(grid.TextAt(2, 1), "last");
    grid.SetRow(-1);
    EXPECT_EQ(grid.Row(), 0);
    grid.SetTopRow(3);
    EXPECT_EQ(grid.TopRow(), 2);

    for (const auto& [row, col] : {std::pair(3, 0), std::pair(0, 2), std::pair(-1, 0)}) {
        grid.SetTextAt(row, col, "x");
        EXPECT_EQ(grid.TextAt(row, col), "") << row << "," << col;
    }
    grid.SetColWidth(1, 90);
    grid.SetColWidth(2, 90);
    EXPECT_EQ(std::pair(grid.ColWidth(1), grid.ColWidth(2)), std::pair(90, 0));
    grid.SetRowHeight(2, 30);
    grid.SetRowHeight(3, 30);
    EXPECT_EQ(std::pair(grid.RowHeight(2), grid.RowHeight(3)), std::pair(30, 0));
    grid.SetColAlignment(1, Alignment::Right);
    grid.SetFixedAlignment(1, Alignment::Centre);
    grid.SetColAlignment(2, Alignment::Right);
    grid.SetFixedAlignment(2, Alignment::Right);
    EXPECT_EQ(grid.ColAlignment(1), Alignment::Right);
    EXPECT_EQ(grid.FixedAlignment(1), Alignment::Centre);
    EXPECT_EQ(grid.ColAlignment(2), Alignment::Left);
}

TEST(GridModel, ReshapingKeepsTheCellsThatStillFitAndTheCurrentCellInside) {
    GridModel grid(3, 2);
    grid.SetTextAt(1, 1, "kept");
    grid.SetTextAt(2, 0, "dropped");
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetRows(2);
    grid.SetCols(3);
    EXPECT_EQ(std::pair(grid.Row(), grid.Col()), std::pair(1, 1));
    EXPECT_EQ(grid.TextAt(1, 1), "kept");
    grid.SetRows(3);
    EXPECT_EQ(grid.TextAt(2, 0), "");
}

} // namespace
} // namespace dered
