#include "orders/MoveRules.h"
#include "support/DemoTurn.h"
#include "support/ListLines.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

class OrderDeskFormsTest : public DemoTurnFixture {
  protected:
    void Move(int16_t from, int16_t to) { (void)MoveOrder(TheTurn(), from, to); }
};

TEST_F(OrderDeskFormsTest, TheOverviewFollowsEveryChangeAndGoesToTheChosenArea) {
    frmOrdersOverview& overview = program->overview;
    program->winQZ.mnuOrdersOverview.Click();
    EXPECT_EQ(Lines(overview.lstOrders), (LineList{"No orders yet|0"}));
    EXPECT_EQ(overview.fraCheck.Text(), "Check before saving (5)");
    Move(118, 134);
    EXPECT_EQ(Lines(overview.lstOrders),
              (LineList{"Moves (1)|0", "  Army in Ostisoth (118) moves to Belanmar (134)|118"}));
    EXPECT_EQ(overview.fraCheck.Text(), "Check before saving (4)");
    program->winQZ.mnuUndo.Click();
    EXPECT_EQ(overview.lstOrders.ListCount(), 1);

    overview.lstCheck.SetListIndex(overview.lstCheck.IndexOfItemData(153));
    EXPECT_EQ(program->winQZ.grdArea.Row(), 153);
    EXPECT_EQ(Game().SelectedArea, 153);
    EXPECT_EQ(program->map.canvas.OutlinedArea(), 153);
    ASSERT_EQ(platform.later.size(), 1u);
    platform.later.back()(); // the outline's time is up
    EXPECT_EQ(program->map.canvas.OutlinedArea(), 0);
}

TEST_F(OrderDeskFormsTest, GoingToAnAreaCentresTheViewAcrossTheSeam) {
    SettingsRecord& settings = program->records.settings;
    frmGoTo& goTo = program->goTo;
    program->winQZ.mnuGoTo.Click();
    EXPECT_EQ(platform.events.back(), "show modal frmGoTo");
    goTo.txtArea.SetText("zz");
    goTo.cmdGo.Click();
    EXPECT_EQ(platform.messages.back().text, "No area matches \"zz\"");
    goTo.txtArea.SetText("belan");
    EXPECT_EQ(Lines(goTo.lstMatches),
              (LineList{"Belanmar (134)|134", "Belanmar Strait (165)|165"}));
    goTo.cmdGo.Click();
    EXPECT_FALSE(goTo.IsLoaded());
    EXPECT_EQ(program->winQZ.grdArea.Row(), 134);
    const int16_t x134 = settings.MapX;
    EXPECT_LE(x134, 0);
    // The map's search field does the same; an order being entered keeps its area.
    Game().PendingCommand = MapCommand::Move;
    Game().SelectedArea = 118;
    program->map.fields.txtFind.SetText("1");
    program->map.fields.txtFind_Enter();
    EXPECT_EQ(program->winQZ.grdArea.Row(), 1);
    EXPECT_EQ(Game().SelectedArea, 118);
    EXPECT_LE(settings.MapX, 0);
    EXPECT_NE(settings.MapX, x134);
    // A search that finds nothing says so in the status line until it finds something again.
    program->map.ShowNextClick();
    const std::string nextClick = program->map.stbNextClick.Text();
    for (const char* nothing : {"zzz", "999"}) {
        program->map.fields.txtFind.SetText(nothing);
        EXPECT_EQ(program->map.stbNextClick.Text(),
                  "No area matches \"" + std::string(nothing) + "\"");
    }
    program->map.fields.txtFind.SetText("belan");
    EXPECT_EQ(program->map.stbNextClick.Text(), nextClick);
}

TEST_F(OrderDeskFormsTest, SavingAsksWhenTheCheckFindsSomething) {
    const std::string commands = Game().ReportDir + "commands.dat";
    program->winQZ.mnuSave.Click();
    EXPECT_EQ(platform.events.back(), "show modal frmSaveCheck");
    EXPECT_EQ(program->saveCheck.lstFindings.ListCount(), 5);
    program->saveCheck.cmdCancel.Click();
    EXPECT_FALSE(std::filesystem::exists(commands));
    program->winQZ.mnuSave.Click();
    program->saveCheck.cmdSave.Click();
    EXPECT_TRUE(std::filesystem::exists(commands));
}

} // namespace
} // namespace dered::test
