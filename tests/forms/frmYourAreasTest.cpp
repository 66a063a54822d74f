#include "support/ListLines.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using test::LineList;

class frmYourAreasTest : public test::ProgramFixture {
  protected:
    frmYourAreasTest() { game.Players[kOwn].Abbrev = "GRMN"; }
    frmYourAreas& Open() {
        program.winQZ.mnuYourAreas.Click();
        return program.yourAreas;
    }
};

TEST_F(frmYourAreasTest, OneFixedPitchLinePerAreaOwnedOrHoldingAnOwnUnit) {
    MakeArea(12, 1, kOwn);
    PlaceUnit(12, 1, kOwn);
    game.Areas[12].Command = "MO";
    game.Areas[12].Parm1 = 15;
    MakeArea(7, 1, kOwn);
    PlaceUnit(7, 2, 3); // someone else's corps on our land
    MakeArea(140, 2, 3);
    PlaceUnit(140, 3, kOwn); // our fleet off their coast
    game.Areas[140].Command = "SA";
    game.Areas[140].Parm1 = 40;
    game.Areas[140].Parm2 = 3;
    MakeArea(293, 2, 4);
    PlaceUnit(293, 4, kOwn);
    game.Areas[293].Command = "CO";
    game.Areas[293].Parm1 = 1234;
    MakeArea(50, 1, 2); // not ours at all
    PlaceUnit(50, 1, 2);
    frmYourAreas& form = Open();
    EXPECT_EQ(platform.events.back(), "show frmYourAreas");
    EXPECT_EQ(test::Lines(form.lstYourAreas), (LineList{
                                                  "  7 GRMN C  |7",
                                                  " 12 GRMN A MO  15|12",
                                                  "140  Car F SA  40  3|140",
                                                  "293  Dra S CO 1234|293",
                                              }));
}

TEST_F(frmYourAreasTest, RefreshRebuildsTheListFromTheAreas) {
    MakeArea(3, 1, kOwn);
    frmYourAreas& form = Open();
    EXPECT_EQ(test::Lines(form.lstYourAreas), (LineList{"  3 GRMN  |3"}));
    MakeArea(4, 1, kOwn);
    EXPECT_EQ(form.lstYourAreas.ListCount(), 1);
    form.cmdRefreash.Click();
    EXPECT_EQ(test::Lines(form.lstYourAreas), (LineList{"  3 GRMN  |3", "  4 GRMN  |4"}));
}

TEST_F(frmYourAreasTest, EmptyBeforeAnyReport) {
    game = GameState{};
    EXPECT_EQ(Open().lstYourAreas.ListCount(), 0);
}

} // namespace
} // namespace dered
