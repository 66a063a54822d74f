// The windows follow the turn's change signal: the main window's row, the summary's cell and
// the map's arrows.
#include "orders/AreaOrders.h"
#include "support/ProgramFixture.h"

namespace dered {
namespace {

class TurnWindows : public test::ProgramFixture {
  protected:
    TurnWindows() {
        MakeArea(7, Land, kOwn, 2);
        MakeArea(8, Land, kOwn);
        PlaceUnit(7, Army, kOwn);
        Select(7);
    }
};

TEST_F(TurnWindows, TheRowShowsTheNewOrderWithoutLeftoversOfTheOldOne) {
    (void)SetAreaCommand(turn, game.SelectedArea, "SA", 8, 3);
    EXPECT_EQ(AreaCell(7, 7), "SA");
    EXPECT_EQ(AreaCell(7, 8), "8");
    EXPECT_EQ(AreaCell(7, 9), "3");

    (void)SetAreaCommand(turn, game.SelectedArea, "RU", 0, 0);
    EXPECT_EQ(AreaCell(7, 7), "RU");
    EXPECT_EQ(AreaCell(7, 8), "");
    EXPECT_EQ(AreaCell(7, 9), "");
    EXPECT_EQ(AreaCell(0, 7), ""); // no stray heading text
    EXPECT_EQ(AreaCell(8, 7), ""); // the target's row is not touched
    EXPECT_FALSE(program.summary.IsLoaded());

    // Row 0 holds the headings, not area 0.
    Select(294);
    (void)SetAreaCommand(turn, game.SelectedArea, "RU", 0, 0);
    EXPECT_EQ(AreaCell(0, 7), "");
}

TEST_F(TurnWindows, ASupplyChangeBringsTheSummaryIntoBeingWithoutShowingIt) {
    FreeSupply() = 4;
    AdjustSupply(turn, -1);
    EXPECT_TRUE(program.summary.IsLoaded());
    EXPECT_FALSE(program.summary.IsVisible());
    EXPECT_EQ(FreeSupplyCell(), "3");
}

TEST_F(TurnWindows, AnOrderWithATargetDrawsItsArrowOnTheOpenMap) {
    for (const auto& [area, col] : {std::pair<int16_t, int>{7, 2}, {8, 4}}) {
        program.records.hexMap.At(col, 2).Area = area;
        program.records.hexMap.At(col, 2).Display[1] = -1; // the anchor
        Area(area).MinCol = Area(area).MaxCol = static_cast<int16_t>(col);
        Area(area).MinRow = Area(area).MaxRow = 2;
    }
    program.forms.Show(program.map, Modality::Modeless);

    (void)SetAreaCommand(turn, game.SelectedArea, "AA", 0, 0);
    EXPECT_TRUE(program.map.canvas.Arrows().empty());
    (void)SetAreaCommand(turn, game.SelectedArea, "CO", 8, 0);
    ASSERT_EQ(program.map.canvas.Arrows().size(), 1u);
    EXPECT_EQ(program.map.canvas.Arrows()[0].a, 7);
    EXPECT_EQ(program.map.canvas.Arrows()[0].codeB, "CO");
}

} // namespace
} // namespace dered
