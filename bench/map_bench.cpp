// The map window: the hit test over the whole picture, and one order entered with the mouse.
#include "app/Program.h"
#include "files/IniFile.h"
#include "map/Geometry.h"
#include "map/RecordingSurface.h"

#include "MapBench.h"
#include "SilentPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace dered;

using bench::SilentPlatform;

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

void BM_OrderEntryMove(benchmark::State& state) {
    SilentPlatform platform;
    bench::EnterMoves(state, platform);
}
BENCHMARK(BM_OrderEntryMove)->Unit(benchmark::kMicrosecond);

} // namespace
