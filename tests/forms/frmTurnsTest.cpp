// The turns window on the demo game: looking at the first turn read-only from the second, going
// back without losing an order, and comparing the two.
#include "files/OrdersFile.h"
#include "forms/AreaDisplay.h"
#include "orders/OrderList.h"
#include "orders/UnitRules.h"
#include "state/CodeTables.h"
#include "support/DemoTurn.h"
#include "support/ListLines.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

class TurnsWindow : public DemoTurnFixture {
  protected:
    std::string OpenedReport() const override { return "1881-2/plyrdata.003"; }
    frmTurns& Turns() { return program->turns; }
    frmWinQZ& Main() { return program->winQZ; }
    // The lists' item values count the turns from 0, oldest first.
    void OpenFirstTurn() {
        Main().mnuTurns.Click();
        Choose(Turns().lstTurns, 0);
        Turns().cmdOpen.Click();
    }
    int16_t OwnUnitArea() {
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if (Game().Areas[a].UnitOwner == Game().OwnPlayer && Game().Areas[a].UnitKind > 0) {
                return a;
            }
        }
        return 0;
    }
};

TEST_F(TurnsWindow, ListsTheTurnsByDateWithTheCurrentOneChosenToCompareWith) {
    Main().mnuTurns.Click();
    ASSERT_TRUE(Turns().IsVisible());
    EXPECT_EQ(Lines(Turns().lstTurns), (LineList{"1880 turn 1  1880-1/plyrdata.003|0",
                                                 "1881 turn 2  1881-2/plyrdata.003  (current)|1"}));
    EXPECT_EQ(Turns().lstWith.ListIndex(), 1);
    EXPECT_EQ(Turns().lblShown.Text(), "Shown: 1881 turn 2, the current turn");
    EXPECT_FALSE(Turns().cmdBack.Enabled());

    Turns().lstTurns.SetListIndex(-1);
    Turns().cmdOpen.Click();
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{"Choose a turn first", MsgIcon::Information}}));
    EXPECT_FALSE(Main().ShowsEarlierTurn());
}

TEST_F(TurnsWindow, AnEarlierTurnIsReadOnlyAndBackGivesTheCurrentTurnExactly) {
    // An order entered and on the undo history before the earlier turn is looked at.
    Game().SelectedArea = OwnUnitArea();
    (void)RemoveUnit(TheTurn(), OwnUnitArea());
    ASSERT_EQ(Game().Areas[Game().SelectedArea].Command, "RU");
    ASSERT_EQ(program->history.UndoCount(), 1u);
    const GameState current = Game();

    OpenFirstTurn();
    EXPECT_EQ(Game().GameYear, 1880);
    EXPECT_TRUE(program->records.documents.Shown().ReadOnly());
    EXPECT_TRUE(Main().ShowsEarlierTurn());
    EXPECT_EQ(Main().CurrentTurn(), current);
    EXPECT_NE(Main().caption.Text().find("read-only"), std::string::npos);
    EXPECT_EQ(program->map.caption.Text(), "Map - earlier turn, read-only");
    for (MenuItemModel* item : {&Main().mnuSave, &Main().mnuMerge, &Main().mnuUndo, &Main().mnuANW,
                                &Main().mnuSpy, &Main().mnuGrantAccess}) {
        EXPECT_FALSE(item->Enabled()) << item->Name();
        EXPECT_EQ(item->WhyDisabled().rfind("An earlier turn is shown read-only", 0), 0u);
    }
    EXPECT_TRUE(Turns().cmdBack.Enabled());

    // Neither a click on the map nor a typed order nor undo takes an order, on either turn.
    platform.messages.clear();
    const GameState earlier = Game();
    program->map.optCommand.Choose(5); // RU
    program->map.picView_DblClick();
    for (const std::string& typed :
         {std::to_string(OwnUnitArea()) + " removes", std::string("DN 1")}) {
        program->map.fields.txtOrder.SetText(typed);
        program->map.fields.txtOrder_Enter();
    }
    EXPECT_FALSE(Main().mnuUndo.Click());
    EXPECT_EQ(Game().Areas, earlier.Areas);
    EXPECT_EQ(Game().Orders, earlier.Orders);
    EXPECT_EQ(Game().Summary, earlier.Summary);
    EXPECT_EQ(Main().CurrentTurn(), current);
    EXPECT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, kReadOnlyTurn);
    EXPECT_EQ(platform.messages[2].text, kReadOnlyTurn);

    Turns().cmdBack.Click();
    EXPECT_FALSE(Main().ShowsEarlierTurn());
    EXPECT_EQ(Game(), current);
    EXPECT_EQ(program->map.caption.Text(), "Map");
    EXPECT_TRUE(Main().mnuSave.Enabled());
    EXPECT_TRUE(Main().mnuUndo.Enabled());
    EXPECT_EQ(Main().grdArea.TextAt(current.SelectedArea, ColCommand), "RU");
    program->history.Undo();
    EXPECT_EQ(Game().Areas[current.SelectedArea].Command, "");
}

// The orders saved for an earlier turn show with it, in the grid, on the map and in the
// overview, without a word about the turns that have none.
TEST_F(TurnsWindow, AnEarlierTurnShowsTheOrdersSavedForIt) {
    {
        DemoTurn first;
        first.game.Areas[118].Command = "MO";
        first.game.Areas[118].Parm1 = 106;
        first.game.ReportDir =
            std::filesystem::path(Game().ReportDir).parent_path().parent_path().string() +
            "/1880-1/";
        ASSERT_EQ(WriteOrdersFiles(first.game, disk), "");
    }
    Main().mnuOrdersOverview.Click();
    OpenFirstTurn();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Game().Areas[118].Command, "MO");
    EXPECT_EQ(Main().grdArea.TextAt(118, ColCommand), "MO");
    EXPECT_EQ(program->map.canvas.Arrows().size(), 1u);
    EXPECT_EQ(Lines(program->overview.lstOrders)[1],
              "  Army in Ostisoth (118) moves to Lower Halisdor (106)|118");
    Turns().cmdBack.Click();
    EXPECT_EQ(Game().Areas[118].Command, "");
}

TEST_F(TurnsWindow, TheOrderWindowsCloseOntoTheCurrentTurnBeforeAnEarlierOneShows) {
    program->forms.Show(program->spy, Modality::Modeless);
    OpenFirstTurn();
    EXPECT_FALSE(program->spy.IsLoaded());
    EXPECT_EQ(Main().CurrentTurn().Orders[1].Code, "SP");
    EXPECT_EQ(Game().Orders[1].Code, "");
    EXPECT_FALSE(Main().mnuOpen.Enabled());
    EXPECT_FALSE(Main().mnuRecentReport[0].Enabled());
}

TEST_F(TurnsWindow, ExitWhileAnEarlierTurnIsShownAsksAboutTheCurrentTurnsOrders) {
    (void)RemoveUnit(TheTurn(), OwnUnitArea());
    OpenFirstTurn();
    platform.answers.push_back(Answer::Save);
    Main().mnuExit_Click();
    EXPECT_NE(ReadCommands().find("RU"), std::string::npos);
    EXPECT_EQ(Game().GameYear, 1881);
}

TEST_F(TurnsWindow, ComparesTheTwoTurnsOlderFirstAndMarksTheChangesOnTheMap) {
    Main().mnuTurns.Click();
    Choose(Turns().lstTurns, 1); // chosen in either order
    Choose(Turns().lstWith, 0);
    Turns().cmdCompare.Click();
    EXPECT_EQ(Turns().lblCompared.Text(), "1880 turn 1 to 1881 turn 2: 4 changes");
    const GridModel& grid = Turns().grdChanges;
    ASSERT_EQ(grid.Rows(), 5);
    const auto row = [&grid](int r) {
        return grid.TextAt(r, 0) + "|" + grid.TextAt(r, 2) + "|" + grid.TextAt(r, 3);
    };
    const std::string own = Game().Players[3].Name;
    const std::string six = Game().Players[6].Name;
    EXPECT_EQ(row(1), "134|owned by " + own + "|owned by " + six);
    EXPECT_EQ(row(2), "197|owned by " + own + "|owned by " + six);
    EXPECT_EQ(row(3), "134|no unit|army of " + six);
    EXPECT_EQ(row(4), "175|no unit|army of " + own);
    const GridModel& players = Turns().grdPlayers;
    bool ownRow = false;
    for (int r = 1; r < players.Rows(); ++r) {
        if (players.TextAt(r, 0) == own) {
            ownRow = true;
            EXPECT_GT(std::stoi(players.TextAt(r, 1)), std::stoi(players.TextAt(r, 2)));
        }
    }
    EXPECT_TRUE(ownRow);
    EXPECT_EQ(program->map.canvas.ChangedAreas(), (std::vector<int16_t>{134, 175, 197}));
    // In a game of twelve the twelfth player has a row like any other.
    Game().PlayerCount = MaxPlayer;
    Game().Areas[175].UnitOwner = MaxPlayer;
    Turns().cmdCompare.Click();
    EXPECT_EQ(players.TextAt(players.Rows() - 1, 0), "player 12");
    program->forms.Unload(Turns());
    EXPECT_TRUE(program->map.canvas.ChangedAreas().empty());
}

} // namespace
} // namespace dered::test
