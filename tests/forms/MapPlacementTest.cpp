#include "map/Geometry.h"
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using MapPlacementTest = test::DemoTurnFixture;

// Where an area's anchor is drawn in the view, wrapped into the view's width.
std::pair<float, float> InView(Program& program, int16_t area) {
    const GameState& game = program.records.documents.Shown().records;
    const auto cell = AreaAnchor(game.Areas[area], area, program.records.hexMap);
    auto [x, y] = CellCentre(program.map.canvas.Geometry(), program.records.settings, *cell);
    const float width = program.map.canvas.Geometry().MapWidth();
    while (x < 0) {
        x += width;
    }
    while (x >= width) {
        x -= width;
    }
    return {x, y};
}

// The map opens where the settings put it, clamped; only Home moves it to the own areas, and the
// per-game positions an older version wrote are neither read nor written.
TEST_F(MapPlacementTest, TheMapOpensWhereTheSettingsSayAndHomeShowsTheOwnAreas) {
    const std::string report = Game().ReportDir + "plyrdata.003";
    const auto start = [this, &report](const char* x, const char* y) {
        program.reset();
        ini.WriteString("Positions", "MapX", x);
        ini.WriteString("Positions", "MapY", y);
        ini.WriteString("Map Positions", "QZ001", "-1,-1");
        program = std::make_unique<Program>(
            platform, ini, disk, ProgramOptions{OnlyFolder(DERED_BINARY_DIR), report, {}});
        program->Start();
        return std::pair{program->records.settings.MapX, program->records.settings.MapY};
    };
    EXPECT_EQ(start("-340", "0"), (std::pair<int16_t, int16_t>{-340, 0}));
    const auto [x, y] = start("-5000", "-5000");
    EXPECT_EQ(x, -5000 + 2 * 1820); // squares of 26: the map is 1820 wide
    EXPECT_EQ(y + PictureHeight(program->map.canvas.Geometry()), program->map.canvas.ViewHeight());
    EXPECT_NE(program->map.stbNextClick.Text().find("Home shows your own areas."),
              std::string::npos);

    Program& p = *program;
    p.winQZ.FindMenuItem("mnuMyAreas")->Click();
    float sumX = 0;
    for (const int16_t area : {105, 118, 124, 134, 175, 197}) {
        const auto [ax, ay] = InView(p, area);
        EXPECT_GE(ax, 0) << area;
        EXPECT_LT(ax, p.map.canvas.ViewWidth()) << area;
        EXPECT_GE(ay, 0) << area;
        EXPECT_LT(ay, p.map.canvas.ViewHeight()) << area;
        sumX += ax;
    }
    // Centred on them, not merely showing them.
    EXPECT_NEAR(sumX / 6, p.map.canvas.ViewWidth() / 2.0, p.map.canvas.ViewWidth() / 10.0);
    const int16_t centredX = p.records.settings.MapX;
    p.winQZ.mnuExit.Click();
    EXPECT_EQ(ini.GetString("Positions", "MapX", ""), std::to_string(centredX));
    EXPECT_EQ(ini.GetString("Map Positions", "QZ001", ""), "-1,-1");
}

// A merge reloads the map window; what the player chose in this run is kept, not read back
// from the file.
TEST_F(MapPlacementTest, AMergeKeepsTheColoursCellSizeAndPlaceOfThisRun) {
    SettingsRecord& settings = program->records.settings;
    settings.CountryColour[3] = 0x123456;
    program->map.ZoomTo(20);
    settings.MapX = -100;
    const SettingsRecord chosen = settings;
    platform.AnswerOpen(Game().ReportDir + "plyrdata.005");
    program->winQZ.mnuMerge.Click();
    EXPECT_EQ(platform.messages.size(), 1u) << "merged, with the demo's one mismatch";
    EXPECT_EQ(settings, chosen);
    EXPECT_EQ(program->map.canvas.Geometry().CellSize, 20);
}

} // namespace
} // namespace dered
