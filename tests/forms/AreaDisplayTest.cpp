#include "forms/AreaDisplay.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

class AreaDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game.OwnPlayer = 3;
        game.PlayerCount = 8;
        game.Players[3].Abbrev = "GRMN";
        game.Players[5].Abbrev = "FRNC";
        game.Players[12].Abbrev = "NONE";
    }
    AreaRecord& Own(int area, int16_t terrain, int16_t supply) {
        AreaRecord& a = game.Areas[area];
        a.Owner = 3;
        a.Terrain = terrain;
        a.Supply = supply;
        return a;
    }
    void Unit(int area, int16_t kind, int16_t owner = 3) {
        game.Areas[area].UnitKind = kind;
        game.Areas[area].UnitOwner = owner;
    }
    GameState game;
};

TEST_F(AreaDisplayTest, ArmyOnOwnCentreAndItsRemovalOrder) {
    Own(1, 1, 3);
    Unit(1, 1);
    SummaryCounters s = ComputeSummary(game);
    EXPECT_EQ(s.MaxSupply, 3);
    EXPECT_EQ(s.FreeSupply, 1);
    EXPECT_EQ(s.ArmyCount, 1);
    EXPECT_EQ(s.LandCount, 1);
    game.Areas[1].Command = "RU";
    EXPECT_EQ(ComputeSummary(game).FreeSupply, 3);
}

TEST_F(AreaDisplayTest, PendingOrdersCostAndRefund) {
    Own(1, 2, 0).Command = "AF";
    EXPECT_EQ(ComputeSummary(game).FreeSupply, -2);
    game.Areas[1].Command = "AS";
    EXPECT_EQ(ComputeSummary(game).FreeSupply, -1);
    Own(2, 1, 0);
    Unit(2, 2);
    game.Areas[2].Command = "UU";
    EXPECT_EQ(ComputeSummary(game).FreeSupply, -1 - 1 - 1);
    game.Areas[2].Command = "DU";
    EXPECT_EQ(ComputeSummary(game).FreeSupply, -1 - 1 + 1);
}

TEST_F(AreaDisplayTest, AreaAndUnitCountIndependently) {
    Own(1, 1, 1);
    Own(2, 1, 2);
    Own(3, 1, 0);
    Own(4, 3, 0);
    Unit(1, 1);
    Unit(2, 2);
    // Own unit in a foreign area: counts and costs, adds no area.
    game.Areas[5].Owner = 5;
    game.Areas[5].Supply = 3;
    Unit(5, 4);
    // Foreign unit in an own area: the area counts, the unit does not.
    Own(6, 7, 1);
    Unit(6, 3, 5);
    Own(MaxArea, 1, 2); // the last area counts like any other
    Unit(MaxArea, 1, 5);
    const SummaryCounters s = ComputeSummary(game);
    EXPECT_EQ(s, (SummaryCounters{1, 1, 0, 1, 5, 1, 6, 6 - 2 - 1 - 1}));
}

TEST_F(AreaDisplayTest, NoOwnAreasGivesZeroes) {
    EXPECT_EQ(ComputeSummary(game), SummaryCounters{});
}

TEST_F(AreaDisplayTest, RowShowsOwnersTerrainUnitAndOrder) {
    GridModel grid(294, 10);
    AreaRecord& a = Own(7, 7, 2);
    a.Name = "Vale of Ost";
    Unit(7, 4, 5);
    a.Command = "SA";
    a.Parm1 = 40;
    a.Parm2 = 3;
    ShowAreaRow(game, grid, 7, 7);
    EXPECT_EQ(grid.TextAt(7, ColId), "7");
    EXPECT_EQ(grid.TextAt(7, ColName), "Vale of Ost");
    EXPECT_EQ(grid.TextAt(7, ColOwner), "****");
    EXPECT_EQ(grid.TextAt(7, ColTerrain), "no-entry");
    EXPECT_EQ(grid.TextAt(7, ColSupply), "2");
    EXPECT_EQ(grid.TextAt(7, ColUnitOwner), "FRNC");
    EXPECT_EQ(grid.TextAt(7, ColUnitKind), "squadron");
    EXPECT_EQ(grid.TextAt(7, ColCommand), "SA");
    EXPECT_EQ(grid.TextAt(7, ColParm1), "40");
    EXPECT_EQ(grid.TextAt(7, ColParm2), "3");
}

TEST_F(AreaDisplayTest, EmptyFieldsLeaveCellsAlone) {
    GridModel grid(294, 10);
    for (int col = 0; col < 10; ++col) {
        grid.SetTextAt(9, col, "old");
    }
    game.Areas[9].Owner = 8; // the player count: no owner shown
    game.Areas[9].UnitOwner = 3;
    ShowAreaRow(game, grid, 9, 9);
    EXPECT_EQ(grid.TextAt(9, ColOwner), "old");
    EXPECT_EQ(grid.TextAt(9, ColSupply), "old");
    EXPECT_EQ(grid.TextAt(9, ColUnitOwner), "****"); // own unit owner even without a unit
    EXPECT_EQ(grid.TextAt(9, ColUnitKind), "old");
    EXPECT_EQ(grid.TextAt(9, ColCommand), "old");
    EXPECT_EQ(grid.TextAt(9, ColParm1), "old");
}

TEST_F(AreaDisplayTest, UnreportedAreaShowsPlayerTwelveUnlessTwelvePlayers) {
    GridModel grid(294, 10);
    game.Areas[4].Owner = NoReportData;
    ShowAreaRow(game, grid, 4, 4);
    EXPECT_EQ(grid.TextAt(4, ColOwner), "NONE");
    game.PlayerCount = 12;
    grid.SetTextAt(4, ColOwner, "");
    ShowAreaRow(game, grid, 4, 4);
    EXPECT_EQ(grid.TextAt(4, ColOwner), "");
    game.Areas[4].Owner = MaxPlayer + 1; // only a damaged report holds no player
    ShowAreaRow(game, grid, 4, 4);
    EXPECT_EQ(grid.TextAt(4, ColOwner), "");
}

TEST_F(AreaDisplayTest, RefreshAllWritesFiguresToTheSummaryGrid) {
    GridModel areas(2, 10);
    GridModel summary(8, 2);
    Own(1, 1, 3);
    Unit(1, 1);
    RefreshAll(game, areas, summary);
    EXPECT_EQ(areas.Rows(), 294);
    EXPECT_EQ(game.Summary.FreeSupply, 1);
    const char* expected[] = {"1", "0", "0", "0", "1", "0", "3", "1"};
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(summary.TextAt(row, 1), expected[row]) << row;
    }
}

} // namespace
} // namespace dered
