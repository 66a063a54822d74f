// The check before saving with allies' orders loaded, against the same turn without them.
#include "desk/AllyCheck.h"
#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "state/CodeTables.h"
#include "state/TurnDocument.h"
#include "ui/Notice.h"

#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>

namespace {

using namespace dered;

const std::string kData = std::string(DERED_SOURCE_DIR) + "/data/";

// A unit in every area, a quarter of them the player's and a quarter each of three allies, and
// an order for every unit: moves, supports of each other's attacks and defence, and convoys.
TurnDocument CrowdedTurn(int allies) {
    TurnDocument document;
    GameState& game = document.records;
    Notices said;
    ReadReport(game, said, kData + "demo/1880-1/", "plyrdata.003");
    HexMap hexMap;
    if (!LoadMapFiles(game, hexMap, OnlyFolder(kData)).empty()) {
        throw std::runtime_error("no map files in " + kData);
    }
    const std::array<int16_t, 4> players = {game.OwnPlayer, 5, 6, 7};
    const std::array<const char*, 4> codes = {"MO", "SA", "SD", "CO"};
    std::array<AllyOrders, 3> sets{};
    for (int i = 0; i < allies; ++i) {
        sets[i].player = players[i + 1];
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const int16_t player = players[a % 4];
        const std::string code = codes[(a / 4) % 4];
        const auto target = static_cast<int16_t>(a % MaxArea + 1);
        const int16_t supported = players[(a + 1) % 4];
        game.Areas[a].UnitKind = Army;
        game.Areas[a].UnitOwner = player;
        if (a % 4 == 0) {
            game.Areas[a].Command = code;
            game.Areas[a].Parm1 = target;
            game.Areas[a].Parm2 = supported;
        } else if (a % 4 <= allies) {
            sets[a % 4 - 1].areaOrders.push_back({a, code, target, supported});
        }
    }
    for (int i = 0; i < allies; ++i) {
        document.allies.Put(sets[i]);
    }
    return document;
}

// Range 0: no ally's orders loaded; 3: three allies'.
void BM_CheckOrdersWithAllies(benchmark::State& state) {
    const TurnDocument document = CrowdedTurn(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckTurn(document));
    }
}
BENCHMARK(BM_CheckOrdersWithAllies)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace
