// Who can reach each area next turn, every area's balance and the threats to the player, as
// the map's overlay recomputes them after every order and merge: on the demo's later turn (at
// war) with a unit in every area, more than any report shows.
#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "orders/Reach.h"
#include "orders/Threats.h"
#include "ui/Notice.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace dered;

void BM_Reach(benchmark::State& state) {
    const std::string data = std::string(DERED_SOURCE_DIR) + "/data/";
    GameState game;
    HexMap hexMap;
    Notices said;
    if (!LoadMapFiles(game, hexMap, OnlyFolder(data)).empty() ||
        ReadReport(game, said, data + "demo/1881-2/", "plyrdata.003") != ReportOutcome::Read) {
        throw std::runtime_error("the demo turn did not load");
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        game.Areas[a].UnitKind = static_cast<int16_t>(a % 4 + 1);
        game.Areas[a].UnitOwner = static_cast<int16_t>(a % 8);
    }
    for (auto _ : state) {
        const ReachMap reach(game);
        int threat = 0;
        for (int16_t a = 1; a <= MaxArea; ++a) {
            threat += BalanceOf(game, reach, a).threat;
        }
        benchmark::DoNotOptimize(threat);
        benchmark::DoNotOptimize(FindThreats(game, reach));
    }
}
BENCHMARK(BM_Reach)->Unit(benchmark::kMicrosecond);

} // namespace
