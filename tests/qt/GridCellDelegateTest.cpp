#include "qt/GridCellDelegate.h"
#include "qt/GridBinding.h"
#include "qt/QtTestSupport.h"

#include <QStyledItemDelegate>
#include <QTableView>

#include <gtest/gtest.h>

namespace dered {
namespace {

// A main-grid-like table: a heading row, a fixed ID column, the three alignments, a text too
// long for its column, the current cell and a selected one.
class SampleGrid {
  public:
    SampleGrid() : model_(12, 4) {
        model_.SetFixedRows(1);
        model_.SetFixedCols(1);
        const char* const headings[] = {"ID", "Area Name", "Type", "Supply"};
        for (int col = 0; col < 4; ++col) {
            model_.SetTextAt(0, col, headings[col]);
            model_.SetColWidth(col, col == 1 ? 70 : 48);
        }
        model_.SetColAlignment(0, Alignment::Right);
        model_.SetColAlignment(2, Alignment::Centre);
        model_.SetColAlignment(3, Alignment::Right);
        for (int row = 1; row < 12; ++row) {
            model_.SetTextAt(row, 0, std::to_string(row));
            model_.SetTextAt(row, 1, row == 3 ? "Sea of Heskisavel Straits" : "Faleach");
            model_.SetTextAt(row, 2, row % 2 ? "coast" : "water");
            model_.SetTextAt(row, 3, row % 3 ? "" : "2");
        }
        binding_ = std::make_unique<GridBinding>(model_, table_);
        table_.resize(260, 220);
        table_.show();
        model_.SetRow(4);
        model_.SetCol(1);
        model_.SetSelection(1, 2);
        table_.setFocus();
        qttest::Settle();
    }
    QImage Grab(QAbstractItemDelegate* delegate) {
        table_.setItemDelegate(delegate);
        qttest::Settle();
        return table_.viewport()->grab().toImage();
    }

  private:
    GridModel model_;
    QTableView table_;
    std::unique_ptr<GridBinding> binding_;
};

TEST(GridCellDelegate, PaintsTheSamePixelsAsTheStylesItemPainter) {
    SampleGrid grid;
    QStyledItemDelegate styled;
    GridCellDelegate light;
    const QImage expected = grid.Grab(&styled);
    const QImage actual = grid.Grab(&light);
    ASSERT_EQ(actual.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            differing += actual.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace dered
