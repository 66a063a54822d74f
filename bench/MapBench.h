#pragma once

// What the map benchmarks share: hexagon settings, mouse clicks on areas, and one move
// entered with the mouse on the demo turn.
#include "app/Program.h"
#include "files/IniFile.h"
#include "forms/MouseClicks.h"
#include "map/Geometry.h"
#include "platform/SystemDisk.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace dered::bench {

inline const std::string kData = std::string(DERED_SOURCE_DIR) + "/data/";

// Settings of hexagons at CellSize 26, the largest layout, nothing written.
class HexSettings : public IniService {
  public:
    std::string GetString(std::string_view, std::string_view key,
                          std::string_view defaultText) const override {
        return key == "HexDisplay" ? "-1" : std::string(defaultText);
    }
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
};

inline std::pair<float, float> PointOf(Program& program, int16_t area) {
    const auto cell = AreaAnchor(program.records.documents.Shown().records.Areas[area], area,
                                 program.records.hexMap);
    return CellCentre(program.map.canvas.Geometry(), program.records.settings,
                      cell.value_or(CellRef{}));
}

// A move on the demo turn: double click on the army, click on the target (the rule,
// SetAreaCommand, the grid row, RedrawArea and the view brought up to date where it changed).
inline void EnterMoves(benchmark::State& state, Platform& platform, bool reach = false) {
    HexSettings ini;
    SystemDisk disk;
    Program program(platform, ini, disk,
                    {OnlyFolder(kData), kData + "demo/1880-1/plyrdata.003", {}});
    program.Start();
    if (!program.map.IsLoaded()) {
        state.SkipWithError("the demo turn did not open");
        return;
    }
    if (reach) {
        program.winQZ.mnuReach.Click();
    }
    program.map.optCommand.Choose(program.map.optCommand.IndexOf("MO"));
    const auto army = PointOf(program, 118);
    const std::pair<float, float> targets[] = {PointOf(program, 134), PointOf(program, 105)};
    int turn = 0;
    for (auto _ : state) {
        ClickAt(program.map, army.first, army.second, true);
        const auto [x, y] = targets[turn++ % 2];
        ClickAt(program.map, x, y, false);
    }
    if (program.records.documents.Shown().records.Areas[118].Command != "MO") {
        state.SkipWithError("the move was not stored");
    }
}

} // namespace dered::bench
