#include "orders/MoveRules.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::Message;

class frmSpyTest : public test::ProgramFixture {
  protected:
    frmSpy& Open() {
        program.winQZ.mnuSpy.Click();
        return program.spy;
    }
    std::vector<std::string> Cells() const {
        std::vector<std::string> cells;
        for (int c = 0; c < 6; ++c) {
            cells.push_back(program.spy.grdSpy.TextAt(0, c));
        }
        return cells;
    }
    void Fill(std::initializer_list<int16_t> areas) {
        for (const int16_t area : areas) {
            program.spy.AddTarget(area);
        }
    }
    void DeleteColumns(int first, int last) {
        program.spy.grdSpy.SetSelection(first, last);
        program.spy.cmdDelete.Click();
    }
    using Cells_ = std::vector<std::string>;
};

TEST_F(frmSpyTest, OpensOnTheTargetsOfBothSpySlots) {
    game.Orders[1] = OrderSlot{"SP", 0, 12, 0, -3, 7};
    game.Orders[2] = OrderSlot{"SP", 0, 293, 40, 0, 0};
    frmSpy& spy = Open();
    EXPECT_EQ(platform.events.back(), "show frmSpy");
    EXPECT_EQ(game.PendingCommand, MapCommand::Spy);
    EXPECT_EQ(Cells(), (Cells_{" 12", "", "", " 7", " 293", " 40"}));
    EXPECT_EQ(spy.grdSpy.SelStartCol(), 0);
    EXPECT_EQ(spy.grdSpy.SelEndCol(), 0);
    EXPECT_EQ(spy.grdSpy.ColWidth(5), 4 * 7 + 4);
    EXPECT_EQ(spy.grdSpy.RowHeight(0), 16 + 4);
}

TEST_F(frmSpyTest, DeleteMovesTheFollowingTargetsLeftOverTheBlock) {
    Open();
    Fill({12, 40, 7});
    DeleteColumns(1, 1);
    EXPECT_EQ(Cells(), (Cells_{" 12", " 7", "", "", "", ""}));
    Fill({40, 55, 60});
    DeleteColumns(2, 1); // a selection made from right to left
    EXPECT_EQ(Cells(), (Cells_{" 12", " 55", " 60", "", "", ""}));
    DeleteColumns(0, 5);
    EXPECT_EQ(Cells(), (Cells_{"", "", "", "", "", ""}));
    EXPECT_EQ(game.Orders[1], OrderSlot{});
}

TEST_F(frmSpyTest, ClosingWritesBothSpySlotsAndLeavesTheOrderCount) {
    game.OrderCount = 0; // no report yet
    Open();
    Fill({5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(TakeMessages(),
              (std::vector<Message>{{"Already at limit of spies", MsgIcon::Critical}}));
    program.forms.Unload(program.spy);
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_EQ(game.Orders[1], (OrderSlot{"SP", 0, 5, 6, 7, 8}));
    EXPECT_EQ(game.Orders[2], (OrderSlot{"SP", 0, 9, 10, 0, 0}));
    EXPECT_EQ(game.OrderCount, 0);

    Open();
    EXPECT_EQ(Cells(), (Cells_{" 5", " 6", " 7", " 8", " 9", " 10"}));
    DeleteColumns(0, 5);
    program.forms.Unload(program.spy);
    EXPECT_EQ(game.Orders[1], (OrderSlot{"SP", 0, 0, 0, 0, 0}));
    EXPECT_EQ(game.Orders[2], (OrderSlot{"SP", 0, 0, 0, 0, 0}));
}

TEST_F(frmSpyTest, SetOrderSlotOverwritesOnlySlotsThatExist) {
    frmSpy& spy = Open();
    spy.SetOrderSlot(7, "SP", 1, 2, 3, 4);
    EXPECT_EQ(game.Orders[7], (OrderSlot{"SP", 0, 1, 2, 3, 4}));
    const GameState before = game;
    spy.SetOrderSlot(101, "SP", 1, 2, 3, 4);
    spy.SetOrderSlot(-1, "SP", 1, 2, 3, 4);
    EXPECT_EQ(game, before);
}

TEST_F(frmSpyTest, MapClicksFillTheFirstEmptyCellUpToSix) {
    frmSpy& spy = Open();
    SetGridCell(spy.grdSpy, 0, 1, " 40");
    Fill({11, 12, 13, 14, 15});
    EXPECT_EQ(Cells(), (Cells_{" 11", " 40", " 12", " 13", " 14", " 15"}));
    EXPECT_TRUE(TakeMessages().empty());

    spy.AddTarget(16);
    EXPECT_EQ(TakeMessages(), test::Messages{test::Stop("Already at limit of spies")});
    EXPECT_EQ(Cells(), (Cells_{" 11", " 40", " 12", " 13", " 14", " 15"}));
    EXPECT_EQ(game.PendingCommand, MapCommand::Spy);
}

} // namespace
} // namespace dered
