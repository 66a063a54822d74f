#include "orders/OrderList.h"
#include "support/ListLines.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::Choose;
using test::LineList;
using test::Message;

class frmANWTest : public test::ProgramFixture {
  protected:
    frmANWTest() {
        game.GameYear = 1881;
        game.GameTurn = 1;
        Ally(kOwn, 2);
        SetRelation(kOwn, 3, "A"); // one side only: no alliance
        SetRelation(4, kOwn, "w");
    }
    frmANW& Open() {
        program.winQZ.mnuANW.Click();
        return program.anw;
    }
};

TEST_F(frmANWTest, ListsPlayersByTheReportsRelationsAndTheDeclarationsOfTheTurn) {
    EXPECT_NE(AddOrder(game, "CA", 2, 4, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "DW", 3, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "DA", 4, 0, 0, 0).slot, 0);
    frmANW& anw = Open();
    EXPECT_EQ(platform.events.back(), "show modal frmANW");
    EXPECT_EQ(anw.caption.Text(), "Allied-Neutal-War");
    EXPECT_EQ(anw.cmdNeutral[1].Caption(), "Neutal");
    EXPECT_EQ(test::Lines(anw.lstAllies), (LineList{"Borduria|2"}));
    EXPECT_EQ(test::Lines(anw.lstNeutrals), (LineList{"Carpania|3"}));
    EXPECT_EQ(test::Lines(anw.lstEnemies), (LineList{"Drava|4"}));
    EXPECT_EQ(test::Lines(anw.lstCommands), (LineList{"DW Carpania|4", "DA Drava|5"}));
}

TEST_F(frmANWTest, OneDeclarationPerPlayerWhateverItsKind) {
    frmANW& anw = Open();
    Choose(anw.lstNeutrals, 3);
    anw.cmdAlly.Click();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"DA", 0, 3, 0, 0, 0}));
    EXPECT_EQ(test::Lines(anw.lstCommands), (LineList{"DA Carpania|3"}));

    anw.cmdWar.Click();
    EXPECT_EQ(TakeMessages(),
              (std::vector<Message>{
                  {"ANW command has already been issued for Carpania", MsgIcon::None}}));
    EXPECT_EQ(game.OrderCount, 3);

    anw.lstCommands.SetListIndex(0);
    anw.cmdDelete.Click();
    EXPECT_TRUE(game.Orders[3].Code.empty());
    EXPECT_EQ(anw.lstCommands.ListCount(), 0);
    anw.cmdWar.Click();
    EXPECT_EQ(game.Orders[3], (OrderSlot{"DW", 0, 3, 0, 0, 0}));
    EXPECT_EQ(test::Lines(anw.lstCommands), (LineList{"DW Carpania|3"}));
    // The player lists follow the report, not the declarations.
    EXPECT_EQ(test::Lines(anw.lstNeutrals), (LineList{"Carpania|3"}));
}

TEST_F(frmANWTest, NeutralTakesItsPlayerFromTheListAboveItsButton) {
    frmANW& anw = Open();
    anw.cmdNeutral[0].Click(); // no ally chosen: nothing
    anw.cmdDelete.Click();     // no line chosen: nothing
    EXPECT_EQ(game.OrderCount, 2);
    Choose(anw.lstAllies, 2);
    Choose(anw.lstEnemies, 4);
    anw.cmdNeutral[1].Click();
    anw.cmdNeutral[0].Click();
    EXPECT_EQ(test::Lines(anw.lstCommands), (LineList{"DN Drava|3", "DN Borduria|4"}));
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(frmANWTest, WarCannotBeDeclaredOnTheFirstTurn) {
    game.GameYear = 1880;
    game.GameTurn = 1;
    frmANW& anw = Open();
    EXPECT_FALSE(anw.cmdWar.Enabled());
    EXPECT_EQ(anw.cmdWar.WhyDisabled(), "War can be declared from the second turn of the game on");
    Choose(anw.lstNeutrals, 3);
    EXPECT_FALSE(anw.cmdWar.Click());
    EXPECT_EQ(game.OrderCount, 2);
    program.forms.Unload(anw);
    game.GameTurn = 2;
    EXPECT_TRUE(Open().cmdWar.Enabled());
}

TEST_F(frmANWTest, AFullOrderListAddsNoLine) {
    for (int slot = 3; slot <= MaxOrderSlot; ++slot) {
        game.Orders[slot] = OrderSlot{"GA", 0, 2, -1, 0, 0};
    }
    game.OrderCount = MaxOrderSlot;
    frmANW& anw = Open();
    Choose(anw.lstNeutrals, 3);
    anw.cmdAlly.Click();
    EXPECT_EQ(TakeMessages(), (std::vector<Message>{{kOrderListFull, MsgIcon::Critical}}));
    EXPECT_EQ(anw.lstCommands.ListCount(), 0);
}

} // namespace
} // namespace dered
