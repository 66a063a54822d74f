// The whole map written as SVG, as "export map" writes it: hexagons of 26 (every picture drawn)
// and squares of 26 (fills and borders only), each with an arrow for every order.
#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "files/Settings.h"
#include "map/MapExport.h"
#include "ui/Notice.h"

#include "SilentPlatform.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace dered;

class NoSettings : public IniService {
  public:
    std::string GetString(std::string_view, std::string_view,
                          std::string_view defaultText) const override {
        return std::string(defaultText);
    }
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
};

void BM_ExportMapSvg(benchmark::State& state) {
    const std::string data = std::string(DERED_SOURCE_DIR) + "/data/";
    Notices said;
    GameState game;
    HexMap hexMap;
    if (!LoadMapFiles(game, hexMap, OnlyFolder(data)).empty() ||
        ReadReport(game, said, data + "demo/1880-1/", "plyrdata.003") != ReportOutcome::Read) {
        state.SkipWithError("the demo turn did not open");
        return;
    }
    // Moves between neighbours all over the map.
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.Areas[a].Neighbour[0] > 0) {
            game.Areas[a].Command = "MO";
            game.Areas[a].Parm1 = game.Areas[a].Neighbour[0];
        }
    }
    SettingsRecord settings;
    LoadSettings(settings, NoSettings());
    const MapPictures pictures = MakeMapPictures();
    const MapExportOptions options{26, state.range(0) != 0, true};
    size_t bytes = 0;
    for (auto _ : state) {
        const MapSvg svg = ExportMapSvg(game, hexMap, settings, pictures, options);
        bytes = svg.text.size();
        benchmark::DoNotOptimize(svg.text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportMapSvg)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
