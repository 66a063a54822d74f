#include "orders/OrderList.h"
#include "support/ListLines.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::Choose;
using test::LineList;
using test::Message;

class frmGrantAccessTest : public test::ProgramFixture {
  protected:
    frmGrantAccessTest() {
        Ally(kOwn, 2);
        Ally(kOwn, 4);
        MakeArea(1, 1, 3);
        MakeArea(12, 1, kOwn);
        MakeArea(14, 2, kOwn);
        MakeArea(293, 2, kOwn);
    }
    frmGrantAccess& Open() {
        program.winQZ.mnuGrantAccess.Click();
        return program.grantAccess;
    }
    // A click on the map writes the area with its sign place.
    void MapClick(int16_t area) { program.grantAccess.txtArea.SetText(" " + std::to_string(area)); }
    void Type(const std::string& text) {
        for (const char c : text) {
            program.grantAccess.txtArea.Type(c);
        }
    }
    static Message MustOwn() { return {kMustOwnArea, MsgIcon::Critical}; }
    static Message SelectPlayer() { return {kSelectPlayerToGrant, MsgIcon::Critical}; }
};

TEST_F(frmGrantAccessTest, ListsAlliesOnlyAndTheGrantsAlreadyMade) {
    EXPECT_NE(AddOrder(game, "GA", 2, -1, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "DA", 3, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "GA", 4, 12, 0, 0).slot, 0);
    frmGrantAccess& dialog = Open();
    EXPECT_EQ(platform.events.back(), "show frmGrantAccess");
    EXPECT_EQ(dialog.Text1.Text(), "Select a player  and \"grant\" followed by  an area (click on "
                                   "map) or \"grant all\"");
    EXPECT_EQ(test::Lines(dialog.lstPlayers), (LineList{"Borduria|2", "Drava|4"}));
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"GA Bor all|3", "GA Dra  12|5"}));
    EXPECT_TRUE(dialog.txtArea.Text().empty());
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(frmGrantAccessTest, GrantNeedsAPlayerAndThenEveryClickOnAnOwnAreaGrants) {
    frmGrantAccess& dialog = Open();
    dialog.cmdGrant.Click();
    dialog.cmdGrantAll.Click();
    EXPECT_EQ(TakeMessages(), (std::vector<Message>{SelectPlayer(), SelectPlayer()}));
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_EQ(game.OrderCount, 2);

    Choose(dialog.lstPlayers, 2);
    dialog.cmdGrant.Click();
    EXPECT_EQ(game.PendingCommand, MapCommand::GrantAccess);
    MapClick(12);
    MapClick(1);
    EXPECT_EQ(TakeMessages(), (std::vector<Message>{MustOwn()}));
    Choose(dialog.lstPlayers, 4); // redirects the following grants
    MapClick(14);
    MapClick(293);
    EXPECT_EQ(test::Lines(dialog.lstCommands),
              (LineList{"GA Bor 12|3", "GA Dra 14|4", "GA Dra 293|5"}));
    EXPECT_EQ(game.Orders[4], (OrderSlot{"GA", 0, 4, 14, 0, 0}));
    EXPECT_EQ(game.PendingCommand, MapCommand::GrantAccess);

    program.forms.Unload(dialog);
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
}

TEST_F(frmGrantAccessTest, TypingGrantsForEveryLeadingNumberOnTheWay) {
    frmGrantAccess& dialog = Open();
    Type("1");
    EXPECT_EQ(TakeMessages(), (std::vector<Message>{SelectPlayer()}));
    dialog.txtArea.SetText({});
    TakeMessages();

    Choose(dialog.lstPlayers, 2);
    Type("12"); // area 1 is not ours, area 12 is
    EXPECT_EQ(TakeMessages(), (std::vector<Message>{MustOwn()}));
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"GA Bor12|3"}));
    // Fractions go to the nearest area, halves to the even one.
    dialog.txtArea.SetText("12.5x");
    dialog.txtArea.SetText("13.5");
    EXPECT_EQ(game.Orders[4], (OrderSlot{"GA", 0, 2, 12, 0, 0}));
    EXPECT_EQ(game.Orders[5], (OrderSlot{"GA", 0, 2, 14, 0, 0}));
}

TEST_F(frmGrantAccessTest, TextsThatAreNoAreaNeverReachTheAreaTable) {
    game.Areas[0].Owner = kOwn; // were area 0 looked up, it would pass
    frmGrantAccess& dialog = Open();
    Choose(dialog.lstPlayers, 2);
    for (const char* text : {"", "0", "abc", "-5", "294", "999", "70000", "1e300", "1e999"}) {
        dialog.txtArea.SetText(text);
        EXPECT_EQ(TakeMessages(), (std::vector<Message>{MustOwn()})) << text;
    }
    EXPECT_EQ(game.OrderCount, 2);
    EXPECT_EQ(dialog.lstCommands.ListCount(), 0);
}

TEST_F(frmGrantAccessTest, GrantAllIsListedAgainWhenTheDialogReopens) {
    frmGrantAccess& dialog = Open();
    Choose(dialog.lstPlayers, 4);
    dialog.cmdGrantAll.Click();
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"GA Dra all |3"}));
    EXPECT_EQ(game.Orders[3], (OrderSlot{"GA", 0, 4, -1, 0, 0}));
    program.forms.Unload(dialog);
    Open();
    EXPECT_EQ(test::Lines(dialog.lstCommands), (LineList{"GA Dra all|3"}));
    dialog.lstCommands.SetListIndex(0);
    dialog.cmdDelete.Click();
    EXPECT_TRUE(game.Orders[3].Code.empty());
    EXPECT_TRUE(TakeMessages().empty());
}

} // namespace
} // namespace dered
