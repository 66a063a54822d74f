// The game's history: twenty turns read afresh, against one report read twenty times.
#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "turns/History.h"
#include "turns/HistoryChart.h"
#include "ui/Notice.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

using namespace dered;

namespace fs = std::filesystem;

const std::string kData = std::string(DERED_SOURCE_DIR) + "/data/";
constexpr int kTurns = 20;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder a turn, 1880.1 onwards, each a copy of the demo's later report with its date.
struct TwentyTurns {
    TwentyTurns() {
        const std::string report = ReadText(kData + "demo/1881-2/plyrdata.003");
        const size_t date = report.find("1881,2");
        if (date == std::string::npos) {
            throw std::runtime_error("the demo report has no date to change");
        }
        for (int s = 1; s <= kTurns; ++s) {
            const int year = 1880 + (s - 1) / 4;
            const int turn = (s - 1) % 4 + 1;
            const fs::path folder = root / (std::to_string(year) + "-" + std::to_string(turn));
            fs::create_directories(folder);
            std::string text = report;
            text.replace(date, 6, std::to_string(year) + "," + std::to_string(turn));
            std::ofstream(folder / "plyrdata.003", std::ios::binary) << text;
            last = (folder / "plyrdata.003").string();
        }
        Notices said;
        const auto [folder, file] = SplitReportPath(last);
        if (!LoadMapFiles(open, hexMap, OnlyFolder(kData)).empty() ||
            ReadReport(open, said, folder, file) != ReportOutcome::Read) {
            throw std::runtime_error("the generated turns cannot be read");
        }
    }
    ~TwentyTurns() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root = fs::temp_directory_path() /
                    ("dered-history-bench-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string last;
    GameState open;
    HexMap hexMap;
};

// What the reading itself costs: the same report read twenty times.
void BM_ReadOneReportTwentyTimes(benchmark::State& state) {
    const TwentyTurns turns;
    for (auto _ : state) {
        for (int i = 0; i < kTurns; ++i) {
            GameState scratch = turns.open;
            ReportRefusal refusal;
            benchmark::DoNotOptimize(ReadReportQuietly(scratch, turns.last, refusal));
        }
    }
}
BENCHMARK(BM_ReadOneReportTwentyTimes)->Unit(benchmark::kMillisecond);

// The history window opened for the first time: twenty turns found, read and counted.
void BM_ReadHistoryOfTwentyTurns(benchmark::State& state) {
    const TwentyTurns turns;
    for (auto _ : state) {
        HistoryCache cache;
        benchmark::DoNotOptimize(cache.Refresh(turns.open, turns.last).turns.size());
    }
}
BENCHMARK(BM_ReadHistoryOfTwentyTurns)->Unit(benchmark::kMillisecond);

// Refreshed with nothing changed: the folders listed, nothing read.
void BM_RefreshHistoryOfTwentyTurns(benchmark::State& state) {
    const TwentyTurns turns;
    HistoryCache cache;
    cache.Refresh(turns.open, turns.last);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.Refresh(turns.open, turns.last).turns.size());
    }
}
BENCHMARK(BM_RefreshHistoryOfTwentyTurns)->Unit(benchmark::kMillisecond);

} // namespace
