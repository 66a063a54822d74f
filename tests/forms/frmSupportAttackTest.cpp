#include "support/ListLines.h"
#include "support/ProgramFixture.h"

namespace dered {
namespace {

using test::Message;
using test::Messages;

// Area 5 holds an own army next to area 6, which player 2 owns. Player 2 is an ally, an
// alliance with player 3 is being declared, player 4 is neither.
class SupportAttack : public test::ProgramFixture {
  protected:
    SupportAttack() {
        MakeArea(5, Land, kOwn);
        MakeArea(6, Land, 2);
        PlaceUnit(5, Army, kOwn);
        PlaceUnit(6, Army, 2);
        Join(5, 6);
        Ally(kOwn, 2);
        game.OrderCount = 3;
        game.Orders[3] = {"DA", 0, 3, 0, 0, 0};
    }

    frmSupportAttack& Dialog() { return program.supportAttack; }

    void Begin(int16_t target) {
        Select(5);
        game.PendingCommand = MapCommand::SupportAttack;
        program.map.Entry().Complete(target);
    }

    void ChooseAndDoubleClick(int32_t player) {
        Dialog().lstAllies.SetListIndex(Dialog().lstAllies.IndexOfItemData(player));
        Dialog().lstAllies_DblClick();
    }
};

TEST_F(SupportAttack, TheOrderWaitsForTheDialogToClose) {
    Begin(6);
    EXPECT_EQ(platform.events, std::vector<std::string>{"show modal frmSupportAttack"});
    EXPECT_EQ(test::Lines(Dialog().lstAllies), (test::LineList{"Borduria|2", "Carpania|3"}));
    EXPECT_EQ(Area(5).Command, "");
    EXPECT_EQ(game.PendingCommand, MapCommand::SupportAttack);

    ChooseAndDoubleClick(3);
    EXPECT_FALSE(Dialog().IsLoaded());
    EXPECT_EQ(Area(5).Command, "SA");
    EXPECT_EQ(Area(5).Parm1, 6);
    EXPECT_EQ(Area(5).Parm2, 3);
    EXPECT_EQ(AreaCell(5, 9), "3");
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_TRUE(TakeMessages().empty()); // the owner of 6 is an ally: no relation warning
}

TEST_F(SupportAttack, ClosingWithoutAChoiceSupportsAnOwnAttack) {
    Area(7).Command = "SA"; // a support aimed at 6 is no attack on it
    Area(7).Parm1 = 6;
    Begin(6);
    program.forms.Unload(Dialog());
    EXPECT_EQ(TakeMessages(),
              (Messages{{"Warning, no unit attacking area  6", MsgIcon::Information}}));
    EXPECT_EQ(Area(5).Parm1, 6);
    EXPECT_EQ(Area(5).Parm2, 0);
}

TEST_F(SupportAttack, EachDialogStartsFromAnOwnAttack) {
    Begin(6);
    ChooseAndDoubleClick(2);
    EXPECT_EQ(Area(5).Parm2, 2);

    // An own move into 6, from the last area, stands: no warning this time.
    MakeArea(MaxArea, Land, kOwn);
    Area(MaxArea).Command = "MO";
    Area(MaxArea).Parm1 = 6;
    Begin(6);
    program.forms.Unload(Dialog());
    EXPECT_EQ(Area(5).Parm2, 0);
    EXPECT_TRUE(TakeMessages().empty());

    Begin(6);
    ChooseAndDoubleClick(4); // not in the list: the double click finds no line chosen
    EXPECT_EQ(Area(5).Parm2, 0);
}

TEST_F(SupportAttack, NoDialogForATargetThatIsNoNeighbour) {
    Area(5).Command = "RU";
    Begin(0);
    EXPECT_EQ(TakeMessages(), (Messages{{"Areas  5 and  0 are not adjacent", MsgIcon::Critical}}));
    EXPECT_TRUE(platform.events.empty());
    EXPECT_EQ(Area(5).Command, "RU");
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
}

TEST_F(SupportAttack, AUnitThatCannotEnterTheTargetIsRefusedOnlyAfterTheDialog) {
    MakeArea(9, Water, 0);
    Join(5, 9);
    Begin(9);
    EXPECT_TRUE(Dialog().IsVisible());
    EXPECT_TRUE(TakeMessages().empty());

    ChooseAndDoubleClick(2);
    EXPECT_EQ(TakeMessages(),
              (Messages{{"Invalid move between  5 and  9 for unit", MsgIcon::Critical}}));
    EXPECT_EQ(Area(5).Command, "");
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
}

TEST_F(SupportAttack, ASecondTargetWhileTheDialogIsOpenIsIgnored) {
    MakeArea(8, Land, kOwn);
    Join(5, 8);
    Begin(6);
    program.map.Entry().Complete(8);
    ChooseAndDoubleClick(2);
    EXPECT_EQ(Area(5).Parm1, 6);
    EXPECT_EQ(platform.events,
              (std::vector<std::string>{"show modal frmSupportAttack", "unload frmSupportAttack"}));
    Begin(8); // the next dialog completes only its own order
    program.forms.Unload(Dialog());
    EXPECT_EQ(Area(5).Parm1, 8);
    EXPECT_EQ(Area(5).Parm2, 0);
}

} // namespace
} // namespace dered
