#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtTestSupport.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include <memory>

namespace dered {
namespace {

// A grid laid out as the area grid is: one heading row, right-aligned numbers.
struct AreaLikeGrid {
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
    QTableWidget table;
    std::unique_ptr<GridBinding> binding;
};

TEST(GridBinding, HeadingRowIsTheHeaderAndRowNIsTableRowNMinusOne) {
    AreaLikeGrid grid;
    EXPECT_EQ(grid.table.rowCount(), 293);
    EXPECT_EQ(grid.table.horizontalHeaderItem(1)->text(), "Area Name");
    EXPECT_EQ(grid.table.horizontalHeaderItem(1)->textAlignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(grid.table.columnWidth(1), 120);

    SetGridCell(grid.model, 7, 0, "7");
    SetGridCell(grid.model, 7, 1, "Faleach");
    EXPECT_EQ(grid.table.item(6, 1)->text(), "Faleach");
    EXPECT_EQ(grid.table.item(6, 0)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(grid.table.item(6, 1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    grid.model.SetColWidth(0, 55);
    EXPECT_EQ(grid.table.columnWidth(0), 55);
}

TEST(GridBinding, ClickMakesTheCellCurrentBeforeTheHandlerRuns) {
    AreaLikeGrid grid;
    int seenRow = -1;
    int clicks = 0;
    int doubles = 0;
    grid.binding->onClick = [&] {
        seenRow = grid.model.Row();
        ++clicks;
    };
    grid.binding->onDblClick = [&] { ++doubles; };
    emit grid.table.cellClicked(41, 1);
    EXPECT_EQ(seenRow, 42);
    EXPECT_EQ(grid.model.Col(), 1);
    EXPECT_EQ(grid.model.SelStartCol(), 1);
    emit grid.table.cellDoubleClicked(9, 0);
    EXPECT_EQ(grid.model.Row(), 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST(GridBinding, TopRowAndScrollingFollowEachOther) {
    AreaLikeGrid grid;
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

TEST(GridBinding, GridWithoutFixedRowsHasNoHeaderAndAReshapeRebuilds) {
    GridModel model(8, 2);
    QTableWidget table;
    GridBinding binding(model, table);
    int layouts = 0;
    binding.onLayout = [&layouts] { ++layouts; };
    SetGridCell(model, 0, 0, "Armies");
    EXPECT_TRUE(table.horizontalHeader()->isHidden());
    EXPECT_EQ(table.item(0, 0)->text(), "Armies");
    model.SetRows(3);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.item(0, 0)->text(), "Armies");
    EXPECT_EQ(layouts, 1);
    model.SetRowHeight(1, 40);
    EXPECT_EQ(table.rowHeight(1), 40);
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

TEST(OptionGroupBinding, ButtonsShowTheChoiceIncludingNone) {
    OptionGroupModel model({"MO", "SA", "Cancel"});
    std::vector<QAbstractButton*> buttons{new QRadioButton, new QRadioButton, new QRadioButton};
    QWidget parent;
    for (QAbstractButton* b : buttons) {
        b->setParent(&parent);
    }
    OptionGroupBinding binding(model, buttons);
    EXPECT_EQ(buttons[2]->text(), "Cancel");
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

} // namespace
} // namespace dered
