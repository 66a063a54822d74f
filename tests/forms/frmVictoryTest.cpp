#include "orders/OrderList.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

class frmVictoryTest : public test::ProgramFixture {
  protected:
    frmVictory& Open() {
        program.winQZ.mnuVictoryConditions.Click();
        return program.victory;
    }
    void Close() { program.forms.Unload(program.victory); }
    std::vector<OrderSlot> VcOrders() const {
        std::vector<OrderSlot> found;
        for (int slot = 1; slot <= game.OrderCount; ++slot) {
            if (game.Orders[slot].Code == "VC") {
                found.push_back(game.Orders[slot]);
            }
        }
        return found;
    }
};

TEST_F(frmVictoryTest, WithoutAnOrderOpeningAndClosingProposesTenTurnsAndThreeHundredPoints) {
    frmVictory& dialog = Open();
    EXPECT_EQ(platform.events.back(), "show frmVictory");
    EXPECT_EQ(game.PendingCommand, MapCommand::Victory);
    EXPECT_EQ(dialog.txtVC[0].Text(), "10");
    EXPECT_EQ(dialog.txtVC[1].Text(), "300");
    EXPECT_EQ(dialog.hsclVC[0].Value(), 15);
    Close();
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 10, 300, 0, 0}));
}

TEST_F(frmVictoryTest, TheOrderIsTakenOutWhileOpenAndPutBackInTheFirstFreeSlot) {
    EXPECT_NE(AddOrder(game, "DA", 2, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "DA", 3, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "VC", 25, 450, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "VC", -4, 1000, 0, 0).slot, 0);
    frmVictory& dialog = Open();
    EXPECT_EQ(dialog.txtVC[0].Text(), "25");
    EXPECT_EQ(dialog.txtVC[1].Text(), "450");
    EXPECT_TRUE(game.Orders[5].Code.empty());
    // The scroll bars stay at their design positions.
    EXPECT_EQ(dialog.hsclVC[0].Value(), 15);
    EXPECT_EQ(dialog.hsclVC[1].Value(), 300);
    Close();
    EXPECT_EQ(game.Orders[5], (OrderSlot{"VC", 0, 25, 450, 0, 0}));
    EXPECT_EQ(VcOrders().size(), 2u);

    Open();
    EXPECT_EQ(dialog.txtVC[0].Text(), "25");
    game.Orders[5] = OrderSlot{"DA", 0, 4, 0, 0, 0};
    Close(); // the emptied slot is taken meanwhile: the order goes to a new last slot
    EXPECT_EQ(game.Orders[7], (OrderSlot{"VC", 0, 25, 450, 0, 0}));
    EXPECT_EQ(game.Orders[6], (OrderSlot{"VC", 0, -4, 1000, 0, 0}));
}

TEST_F(frmVictoryTest, ScrollBarsSetTheBoxesButTypingLeavesTheBars) {
    frmVictory& dialog = Open();
    dialog.hsclVC[1].SetValue(420);
    EXPECT_EQ(dialog.txtVC[1].Text(), "420");
    dialog.txtVC[0].SetText("33");
    EXPECT_EQ(dialog.hsclVC[0].Value(), 15);
    Close();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 33, 420, 0, 0}));
}

TEST_F(frmVictoryTest, TypedValuesAreReadAsLeadingNumbersAndMustFitSixteenBits) {
    EXPECT_NE(AddOrder(game, "VC", 20, 350, 0, 0).slot, 0);
    frmVictory& dialog = Open();
    dialog.txtVC[0].SetText("abc");
    dialog.txtVC[1].SetText("70000");
    Close();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 0, 350, 0, 0}));

    Open();
    dialog.txtVC[0].SetText(" 12.5 turns");
    dialog.txtVC[1].SetText("-32768");
    Close();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 12, -32768, 0, 0}));

    Open();
    dialog.txtVC[0].SetText("1e9");
    dialog.txtVC[1].SetText("32767.5");
    Close();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 12, -32768, 0, 0}));
}

} // namespace
} // namespace dered
