#include "support/ListLines.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::LineList;
using test::Lines;

class frmThreatsTest : public test::ProgramFixture {};

TEST_F(frmThreatsTest, ListsWhatIsAtRiskFollowsEveryChangeAndGoesToTheChosenArea) {
    frmThreats& form = program.threats;
    program.winQZ.mnuThreats.Click();
    EXPECT_EQ(platform.events.back(), "show frmThreats");
    EXPECT_EQ(form.lblThreats.Text(), "No rival can reach an own supply centre or unit next turn");
    EXPECT_TRUE(form.lstThreats.Lines().empty());

    MakeArea(10, Land, kOwn, 1).Name = "Holm";
    MakeArea(11, Land, kOwn).Name = "Varde";
    MakeArea(12, Land, 2);
    PlaceUnit(11, Corps, kOwn);
    PlaceUnit(12, Army, 2);
    AddNeighbour(12, 10);
    AddNeighbour(12, 11);
    program.events.TurnOpened(); // as a merge brings the rival's army
    EXPECT_EQ(Lines(form.lstThreats),
              (LineList{"Supply centre 10 Holm: 1 rival can get in, 0 to hold it|10",
                        "Corps 11 Varde: 1 rival can get in, 1 to hold it|11"}));
    EXPECT_NE(form.lblThreats.Text().find("Within reach"), std::string::npos);

    test::Choose(form.lstThreats, 11);
    EXPECT_EQ(program.winQZ.grdArea.Row(), 11);
}

} // namespace
} // namespace dered
