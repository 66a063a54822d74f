// The map window: the hit test over the whole picture, and one order entered with the mouse.
#include "app/Program.h"
#include "map/Geometry.h"
#include "map/RecordingSurface.h"
#include "settings/IniFile.h"

#include "SilentPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace dered;

const std::string kData = std::string(DERED_SOURCE_DIR) + "/data/";

using bench::SilentPlatform;

// Settings of hexagons at CellSize 26, the largest layout, nothing written.
class HexSettings : public IniService {
  public:
    std::string GetString(std::string_view, std::string_view key,
                          std::string_view defaultText) const override {
        return key == "HexDisplay" ? "-1" : std::string(defaultText);
    }
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
};

void BM_CellAtPointWholePicture(benchmark::State& state) {
    SettingsRecord settings;
    settings.CellSize = static_cast<int16_t>(state.range(0));
    settings.HexDisplay = -1;
    MapGeometry geometry;
    SetDisplayMetrics(geometry, settings);
    BuildHexTables(geometry);
    const int width = WrapOffset(geometry);
    const int height = static_cast<int>(geometry.MapHeight());
    for (auto _ : state) {
        int sum = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                sum += CellAtPoint(geometry, settings, static_cast<float>(x), static_cast<float>(y))
                           .col;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_CellAtPointWholePicture)->Arg(26)->Arg(13)->Unit(benchmark::kMillisecond);

void Click(frmMap& map, std::pair<float, float> point, bool twice) {
    const auto [x, y] = point;
    map.picView_MouseMove(0, 0, x, y);
    map.picView_MouseDown(kLeftButton, 0, x, y);
    map.picView_MouseUp(kLeftButton, 0, x, y);
    map.picView_Click();
    if (twice) {
        map.picView_MouseDown(kLeftButton, 0, x, y);
        map.picView_MouseUp(kLeftButton, 0, x, y);
        map.picView_DblClick();
    }
}

std::pair<float, float> PointOf(Program& program, int16_t area) {
    const auto cell = AreaAnchor(program.records.game.Areas[area], area, program.records.hexMap);
    return CellCentre(program.map.Geometry(), program.records.settings, cell.value_or(CellRef{}));
}

// A move on the demo turn: double click on the army, click on the target (the rule,
// SetAreaCommand, the grid row, RedrawArea and RefreshView with every arrow).
void BM_OrderEntryMove(benchmark::State& state) {
    SilentPlatform platform;
    HexSettings ini;
    Program program(platform, ini, {kData, kData + "demo/1880-1/plyrdata.003"});
    program.Start();
    if (!program.map.IsLoaded()) {
        state.SkipWithError("the demo turn did not open");
        return;
    }
    program.map.optCommand.Choose(program.map.optCommand.IndexOf("MO"));
    const auto army = PointOf(program, 118);
    const std::pair<float, float> targets[] = {PointOf(program, 134), PointOf(program, 105)};
    int turn = 0;
    for (auto _ : state) {
        Click(program.map, army, true);
        Click(program.map, targets[turn++ % 2], false);
    }
    if (program.records.game.Areas[118].Command != "MO") {
        state.SkipWithError("the move was not stored");
    }
}
BENCHMARK(BM_OrderEntryMove)->Unit(benchmark::kMicrosecond);

} // namespace
