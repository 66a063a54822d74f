#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtTestSupport.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <vector>

namespace dered {
namespace {

QString Text(const QTableView& table, int row, int col) {
    return table.model()->index(row, col).data().toString();
}

Qt::Alignment Across(const QTableView& table, int row, int col) {
    const QVariant alignment = table.model()->index(row, col).data(Qt::TextAlignmentRole);
    return Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask;
}

// A grid laid out as the area grid is: one heading row, right-aligned numbers.
template <typename Table> struct AreaLikeGrid {
    AreaLikeGrid() {
        model.SetFixedRows(1);
        model.SetColWidth(0, 40);
        model.SetColWidth(1, 120);
        model.SetColAlignment(0, Alignment::Right);
        model.SetFixedAlignment(0, Alignment::Right);
        model.SetFixedAlignment(1, Alignment::Centre);
        SetGridCell(model, 0, 0, "ID");
        SetGridCell(model, 0, 1, "Area Name");
        binding = std::make_unique<GridBinding>(model, table);
        table.resize(200, 120);
    }
    GridModel model{294, 2};
    Table table;
    std::unique_ptr<GridBinding> binding;
};

// The main windows read the cells in place, the dialogs that want items get copies.
template <typename Table> class GridBindingOn : public ::testing::Test {};
using Tables = ::testing::Types<QTableView, QTableWidget>;
TYPED_TEST_SUITE(GridBindingOn, Tables);

TYPED_TEST(GridBindingOn, HeadingRowIsTheHeaderAndRowNIsTableRowNMinusOne) {
    AreaLikeGrid<TypeParam> grid;
    const QAbstractItemModel& cells = *grid.table.model();
    EXPECT_EQ(cells.rowCount(), 293);
    EXPECT_EQ(cells.headerData(1, Qt::Horizontal).toString(), "Area Name");
    EXPECT_EQ(Qt::Alignment(cells.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt()) &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(grid.table.columnWidth(1), 120);

    SetGridCell(grid.model, 7, 0, "7");
    SetGridCell(grid.model, 7, 1, "Faleach");
    EXPECT_EQ(Text(grid.table, 6, 1), "Faleach");
    EXPECT_EQ(Across(grid.table, 6, 0), Qt::AlignRight);
    EXPECT_EQ(Across(grid.table, 6, 1), Qt::AlignLeft);

    grid.model.SetColWidth(0, 55);
    EXPECT_EQ(grid.table.columnWidth(0), 55);
    grid.model.SetColAlignment(1, Alignment::Centre);
    EXPECT_EQ(Across(grid.table, 6, 1), Qt::AlignHCenter);
}

TYPED_TEST(GridBindingOn, ClickMakesTheCellCurrentBeforeTheHandlerRuns) {
    AreaLikeGrid<TypeParam> grid;
    int seenRow = -1;
    int clicks = 0;
    int doubles = 0;
    grid.binding->onClick = [&] {
        seenRow = grid.model.Row();
        ++clicks;
    };
    grid.binding->onDblClick = [&] { ++doubles; };
    emit grid.table.clicked(grid.table.model()->index(41, 1));
    EXPECT_EQ(seenRow, 42);
    EXPECT_EQ(grid.model.Col(), 1);
    EXPECT_EQ(grid.model.SelStartCol(), 1);
    emit grid.table.doubleClicked(grid.table.model()->index(9, 0));
    EXPECT_EQ(grid.model.Row(), 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TYPED_TEST(GridBindingOn, SelectedColumnsOfTheCurrentRowAreTheTablesSelection) {
    AreaLikeGrid<TypeParam> grid;
    grid.table.setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid.model.SetRow(8);
    grid.model.SetSelection(1, 0);
    const QModelIndexList selected = grid.table.selectionModel()->selectedIndexes();
    ASSERT_EQ(selected.size(), 2);
    for (const QModelIndex& index : selected) {
        EXPECT_EQ(index.row(), 7);
    }
    grid.model.SetRow(0); // the heading row is not in the table
    grid.model.SetSelection(0, 0);
    EXPECT_TRUE(grid.table.selectionModel()->selectedIndexes().isEmpty());
}

TYPED_TEST(GridBindingOn, TopRowAndScrollingFollowEachOther) {
    AreaLikeGrid<TypeParam> grid;
    grid.table.show();
    qttest::Settle();
    grid.model.SetTopRow(120);
    EXPECT_EQ(grid.table.verticalScrollBar()->value(), 119);
    grid.table.verticalScrollBar()->setValue(30);
    EXPECT_EQ(grid.model.TopRow(), 31);
    // Past the end the table shows what it can; the model keeps what the program asked.
    grid.model.SetTopRow(293);
    EXPECT_EQ(grid.model.TopRow(), 293);
    EXPECT_EQ(grid.table.verticalScrollBar()->value(), grid.table.verticalScrollBar()->maximum());
}

TYPED_TEST(GridBindingOn, GridWithoutFixedRowsHasNoHeaderAndAReshapeRebuilds) {
    GridModel model(8, 2);
    TypeParam table;
    GridBinding binding(model, table);
    int layouts = 0;
    binding.onLayout = [&layouts] { ++layouts; };
    SetGridCell(model, 0, 0, "Armies");
    EXPECT_TRUE(table.horizontalHeader()->isHidden());
    EXPECT_EQ(Text(table, 0, 0), "Armies");
    model.SetColWidth(1, 70);
    model.SetRows(3);
    EXPECT_EQ(table.model()->rowCount(), 3);
    EXPECT_EQ(Text(table, 0, 0), "Armies");
    EXPECT_EQ(table.columnWidth(1), 70);
    EXPECT_EQ(layouts, 2);
    model.SetRowHeight(1, 40);
    EXPECT_EQ(table.rowHeight(1), 40);
    // A fixed column keeps the heading colours.
    model.SetFixedCols(1);
    EXPECT_EQ(table.model()->index(2, 0).data(Qt::BackgroundRole).template value<QBrush>(),
              table.palette().button());
    EXPECT_FALSE(table.model()->index(2, 1).data(Qt::BackgroundRole).isValid());
}

TEST(GridBinding, ManyCellsChangedReachTheViewAsOneChange) {
    GridModel model(40, 3);
    QTableView table;
    GridBinding binding(model, table);
    table.show();
    qttest::Settle();
    std::vector<QRect> changes;
    QObject::connect(table.model(), &QAbstractItemModel::dataChanged,
                     [&changes](const QModelIndex& from, const QModelIndex& to) {
                         changes.push_back(QRect(QPoint(from.column(), from.row()),
                                                 QPoint(to.column(), to.row())));
                     });
    SetGridCell(model, 5, 1, "a");
    SetGridCell(model, 30, 0, "b");
    SetGridCell(model, 12, 2, "c");
    EXPECT_EQ(Text(table, 30, 0), "b"); // read at once, heard of later
    EXPECT_TRUE(changes.empty());
    qttest::Settle();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QRect(QPoint(0, 5), QPoint(2, 30)));
    // A reshape before the view hears of the cells repaints them all: nothing is left to tell.
    changes.clear();
    SetGridCell(model, 35, 2, "d");
    SetGridCell(model, 2, 1, "e");
    model.SetRows(10);
    qttest::Settle();
    EXPECT_TRUE(changes.empty());
    // A hidden view paints every cell when shown: it hears of nothing.
    table.hide();
    SetGridCell(model, 3, 1, "f");
    qttest::Settle();
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(Text(table, 3, 1), "f");
}

TEST(MenuBinding, ItemFollowsItsModelAndAClickGoesToTheForm) {
    MenuItemModel model("mnuHex", "Hex map");
    int clicks = 0;
    model.onClick = [&] {
        ++clicks;
        model.SetChecked(!model.Checked());
    };
    QAction action;
    {
        MenuBinding binding(model, action, true);
        EXPECT_EQ(action.text(), "Hex map");
        action.trigger();
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(action.isChecked());
        model.SetEnabled(false);
        EXPECT_FALSE(action.isEnabled());
        model.SetEnabled(true);
        model.SetChecked(false);
        EXPECT_FALSE(action.isChecked());
    }
    // Without its binding the action reaches nothing.
    action.trigger();
    EXPECT_EQ(clicks, 1);
}

TEST(OptionGroupBinding, ButtonsShowTheChoiceIncludingNoneAndTheirTips) {
    OptionGroupModel model({"MO", "SA", "Cancel"});
    model.SetToolTips({"MO: move"});
    std::vector<QAbstractButton*> buttons{new QRadioButton, new QRadioButton, new QRadioButton};
    QWidget parent;
    for (QAbstractButton* b : buttons) {
        b->setParent(&parent);
    }
    OptionGroupBinding binding(model, buttons);
    EXPECT_EQ(buttons[2]->text(), "Cancel");
    EXPECT_EQ(buttons[0]->toolTip(), "MO: move");
    EXPECT_EQ(buttons[2]->toolTip(), "");
    buttons[1]->click();
    EXPECT_EQ(model.Chosen(), 1);
    buttons[1]->click(); // a chosen option stays chosen
    EXPECT_TRUE(buttons[1]->isChecked());
    model.Choose(0);
    EXPECT_TRUE(buttons[0]->isChecked());
    EXPECT_FALSE(buttons[1]->isChecked());
    model.Choose(-1);
    EXPECT_FALSE(buttons[0]->isChecked());
}

TEST(TextBoxBinding, TypingAndTheProgramBothChangeTheText) {
    TextBoxModel model;
    int changes = 0;
    model.Subscribe([&changes](const Changed&) { ++changes; });
    QLineEdit edit;
    TextBoxBinding binding(model, edit);
    model.SetText(" 42");
    EXPECT_EQ(edit.text(), " 42");
    edit.setFocus();
    edit.selectAll();
    edit.insert("7"); // as typing does: a textEdited signal
    EXPECT_EQ(model.Text(), "7");
    EXPECT_EQ(changes, 2);
}

// A form's hook is the view's function while the view is attached, and nothing after.
TEST(HookBinding, TheHookCallsTheViewUntilTheBindingsAreCleared) {
    std::function<int(int)> hook;
    BindingSet bindings;
    bindings.Add<HookBinding<std::function<int(int)>>>(hook, [](int x) { return x + 1; });
    ASSERT_TRUE(hook);
    EXPECT_EQ(hook(1), 2);
    bindings.Clear();
    EXPECT_FALSE(hook);
}

} // namespace
} // namespace dered
