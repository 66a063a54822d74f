#include "files/RememberedPlaces.h"
#include "map/Geometry.h"
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using MapPlacementTest = test::DemoTurnFixture;

// Where an area's anchor is drawn in the view, wrapped into the view's width.
std::pair<float, float> InView(Program& program, int16_t area) {
    const GameState& game = program.records.game;
    const auto cell = AreaAnchor(game.Areas[area], area, program.records.hexMap);
    auto [x, y] = CellCentre(program.map.Geometry(), program.records.settings, *cell);
    const float width = program.map.Geometry().MapWidth();
    while (x < 0) {
        x += width;
    }
    while (x >= width) {
        x -= width;
    }
    return {x, y};
}

TEST_F(MapPlacementTest, AGameOpenedForTheFirstTimeShowsTheOwnAreasAndThenWhereItWasLeft) {
    Program& p = *program;
    float sumX = 0;
    for (const int16_t area : {105, 118, 124, 134, 175, 197}) {
        const auto [x, y] = InView(p, area);
        EXPECT_GE(x, 0) << area;
        EXPECT_LT(x, p.map.ViewWidth()) << area;
        EXPECT_GE(y, 0) << area;
        EXPECT_LT(y, p.map.ViewHeight()) << area;
        sumX += x;
    }
    // Centred on them, not merely showing them.
    EXPECT_NEAR(sumX / 6, p.map.ViewWidth() / 2.0, p.map.ViewWidth() / 10.0);
    p.records.settings.MapX = -40;
    p.records.settings.MapY = -20;
    p.winQZ.mnuExit.Click();
    EXPECT_EQ(LoadGamePosition(ini, "QZ001"), (MapPosition{-40, -20}));

    const std::string report = Game().ReportDir + "plyrdata.003";
    program.reset();
    program = std::make_unique<Program>(platform, ini,
                                        ProgramOptions{OnlyFolder(DERED_BINARY_DIR), report, {}});
    program->Start();
    EXPECT_EQ(Game().GameId, "QZ001");
    EXPECT_EQ(program->records.settings.MapX, -40);
    EXPECT_EQ(program->records.settings.MapY, -20);
}

TEST(GamePositionsTest, OnlyAWholePairIsTakenBack) {
    test::MemoryIni ini;
    SaveGamePosition(ini, "QZ001", {-1033, 12});
    EXPECT_EQ(LoadGamePosition(ini, "QZ001"), (MapPosition{-1033, 12}));
    for (const char* text : {"", "12", "12,", ",3", "1,2,3", "1;2", "40000,1", "a,b"}) {
        ini.WriteString(kGamePositionsSection, "QZ002", text);
        EXPECT_FALSE(LoadGamePosition(ini, "QZ002")) << text;
    }
    SaveGamePosition(ini, "bad=id", {1, 1});
    EXPECT_FALSE(LoadGamePosition(ini, "bad=id"));
}

} // namespace
} // namespace dered
