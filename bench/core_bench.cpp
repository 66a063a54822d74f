// Reading a turn: report, map files and the grid, and the orders files both ways.
#include "app/Program.h"
#include "desk/OrderCheck.h"
#include "files/IniFile.h"
#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "forms/AreaDisplay.h"
#include "map/RecordingSurface.h"
#include "platform/SystemDisk.h"
#include "ui/Notice.h"

#include "SilentPlatform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using namespace dered;

const std::string kData = std::string(DERED_SOURCE_DIR) + "/data/";
const std::string kReportDir = kData + "demo/1880-1/";

using QuietPlatform = bench::SilentPlatform;

// A bench on data that failed to load or write would measure nothing.
void Must(const std::string& problem) {
    if (!problem.empty()) {
        throw std::runtime_error(problem);
    }
}

// A turn with an order on every own area and a full order list.
GameState BusyGame(Notices& said) {
    GameState game;
    ReadReport(game, said, kReportDir, "plyrdata.003");
    HexMap hexMap;
    Must(LoadMapFiles(game, hexMap, OnlyFolder(kData)));
    for (int a = 1; a <= MaxArea; ++a) {
        game.Areas[a].Command = a % 3 ? "MO" : "SA";
        game.Areas[a].Parm1 = static_cast<int16_t>(a % MaxArea + 1);
        game.Areas[a].Parm2 = static_cast<int16_t>(a % 4);
    }
    game.OrderCount = MaxOrderSlot;
    for (int s = 3; s <= MaxOrderSlot; ++s) {
        game.Orders[s] = {s % 2 ? "GA" : "CA", 0, 3, static_cast<int16_t>(s), 0, 0};
    }
    return game;
}

// The check before saving on a turn with an order on every area.
void BM_CheckOrders(benchmark::State& state) {
    Notices said;
    const GameState game = BusyGame(said);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckOrders(game));
    }
}
BENCHMARK(BM_CheckOrders)->Unit(benchmark::kMicrosecond);

void BM_ReadReport(benchmark::State& state) {
    for (auto _ : state) {
        GameState game;
        Notices said;
        benchmark::DoNotOptimize(ReadReport(game, said, kReportDir, "plyrdata.003"));
    }
}
BENCHMARK(BM_ReadReport)->Unit(benchmark::kMicrosecond);

void BM_LoadMapFiles(benchmark::State& state) {
    GameState game;
    game.PlayerCount = 8;
    HexMap hexMap;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadMapFiles(game, hexMap, OnlyFolder(kData)));
    }
}
BENCHMARK(BM_LoadMapFiles)->Unit(benchmark::kMicrosecond);

void BM_RefreshAll(benchmark::State& state) {
    Notices said;
    GameState game = BusyGame(said);
    GridModel grid(294, 10);
    GridModel summary(8, 2);
    for (auto _ : state) {
        RefreshAll(game, grid, summary);
    }
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMicrosecond);

// What the user waits for after choosing a report: report, map files and the grid. The grids
// belong to the main window, which exists before any report; each Open fills them anew.
void BM_OpenTurn(benchmark::State& state) {
    GridModel grid(294, 10);
    GridModel summary(8, 2);
    for (auto _ : state) {
        GameState game;
        HexMap hexMap;
        Notices said;
        ReadReport(game, said, kReportDir,
                   state.iterations() % 2 ? "plyrdata.003" : "plyrdata.005");
        Must(LoadMapFiles(game, hexMap, OnlyFolder(kData)));
        RefreshAll(game, grid, summary);
    }
}
BENCHMARK(BM_OpenTurn)->Unit(benchmark::kMicrosecond);

void BM_WriteOrdersFiles(benchmark::State& state) {
    Notices said;
    GameState game = BusyGame(said);
    const auto dir = std::filesystem::temp_directory_path() / "dered-bench-orders";
    std::filesystem::create_directories(dir);
    game.ReportDir = dir.string() + "/";
    SystemDisk disk;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteOrdersFiles(game, disk));
    }
}
BENCHMARK(BM_WriteOrdersFiles)->Unit(benchmark::kMicrosecond);

void BM_ReadEarlierOrders(benchmark::State& state) {
    Notices said;
    GameState game = BusyGame(said);
    const auto dir = std::filesystem::temp_directory_path() / "dered-bench-orders";
    std::filesystem::create_directories(dir);
    game.ReportDir = dir.string() + "/";
    SystemDisk disk;
    Must(WriteOrdersFiles(game, disk));
    for (auto _ : state) {
        GameState copy = game;
        said.clear();
        ReadEarlierOrders(copy, said);
        benchmark::DoNotOptimize(copy.OrderCount);
    }
}
BENCHMARK(BM_ReadEarlierOrders)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
