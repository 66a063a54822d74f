#include "orders/OrderList.h"
#include "support/ListLines.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::Choose;
using test::LineList;
using test::Message;

class frmCallToArmsTest : public test::ProgramFixture {
  protected:
    frmCallToArmsTest() {
        game.GameYear = 1880;
        game.GameTurn = 4;
        Ally(kOwn, 2);
        SetRelation(kOwn, 4, "W");
    }
};

TEST_F(frmCallToArmsTest, NotBeforeTheFourthTurnOf1880) {
    game.GameTurn = 3;
    program.winQZ.mnuCallToArms.Click();
    EXPECT_EQ(TakeMessages(),
              (std::vector<Message>{{"Can't declare war or call to arms on the first three turns",
                                     MsgIcon::Information}}));
    EXPECT_FALSE(program.callToArms.IsLoaded());
    game.GameTurn = 4;
    program.winQZ.mnuCallToArms.Click();
    EXPECT_EQ(platform.events.back(), "show modal frmCallToArms");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(frmCallToArmsTest, DeclarationsOfTheTurnCountAsRelations) {
    EXPECT_NE(AddOrder(game, "DA", 3, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "CA", 2, 4, 0, 0).slot, 0);
    program.winQZ.mnuCallToArms.Click();
    frmCallToArms& dialog = program.callToArms;
    EXPECT_EQ(test::Lines(dialog.lstAllies), (LineList{"Borduria|2", "Carpania|3"}));
    EXPECT_EQ(test::Lines(dialog.lstEnemies), (LineList{"Drava|4"}));
    // Lines read back from the list join the two short names.
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"CA BorDra|4"}));

    game.Orders[3] = OrderSlot{"DW", 0, 3, 0, 0, 0};
    program.forms.Unload(dialog);
    program.winQZ.mnuCallToArms.Click();
    EXPECT_EQ(test::Lines(dialog.lstAllies), (LineList{"Borduria|2"}));
    EXPECT_EQ(test::Lines(dialog.lstEnemies), (LineList{"Carpania|3", "Drava|4"}));
}

TEST_F(frmCallToArmsTest, NeedsAnAllyAndAnEnemyAndMayBeRepeated) {
    program.winQZ.mnuCallToArms.Click();
    frmCallToArms& dialog = program.callToArms;
    Choose(dialog.lstAllies, 2);
    dialog.cmdCallToArms.Click();
    EXPECT_EQ(game.OrderCount, 2);
    Choose(dialog.lstEnemies, 4);
    dialog.cmdCallToArms.Click();
    dialog.cmdCallToArms.Click();
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"CA Bor Dra|3", "CA Bor Dra|4"}));
    EXPECT_EQ(game.Orders[4], (OrderSlot{"CA", 0, 2, 4, 0, 0}));

    dialog.lstCommands.SetListIndex(0);
    dialog.cmdDelete.Click();
    EXPECT_TRUE(game.Orders[3].Code.empty());
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"CA Bor Dra|4"}));
}

} // namespace
} // namespace dered
