#pragma once

#include "app/Program.h"
#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "files/Settings.h"
#include "orders/Turn.h"
#include "platform/SystemDisk.h"
#include "state/SettingsRecord.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace dered::test {

inline const std::string kSourceData = std::string(DERED_SOURCE_DIR) + "/data/";

// The demo game, in two sizes: one turn's records as the program reads them (DemoTurn), and
// the whole program on a copy of the game (DemoTurnFixture).

// A turn of the demo game read as the program reads it, with the map files and the default
// settings.
struct DemoTurn {
    explicit DemoTurn(const std::string& report = "demo/1880-1/plyrdata.003") {
        MemoryIni ini;
        LoadSettings(settings, ini);
        EXPECT_EQ(LoadMapFiles(game, hexMap, OnlyFolder(kSourceData)), "");
        const auto [folder, file] = SplitReportPath(kSourceData + report);
        EXPECT_EQ(ReadReport(game, platform.messages, folder, file), ReportOutcome::Read);
    }
    RecordingPlatform platform;
    GameState game;
    HexMap hexMap;
    SettingsRecord settings;
};

// The whole program on a copy of the demo game, opened on its first turn (or the report
// OpenedReport names), with the map window open.
class DemoTurnFixture : public ::testing::Test {
  protected:
    virtual std::string OpenedReport() const { return "1880-1/plyrdata.003"; }
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path game = fs::path(temp.Folder()) / "game";
        fs::copy(fs::path(kSourceData) / "demo", game, fs::copy_options::recursive);
        program = std::make_unique<Program>(
            platform, ini, disk,
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), (game / OpenedReport()).string(), {}});
        program->Start();
        platform.messages.clear();
    }

    GameState& Game() { return program->records.documents.Shown().records; }
    // What the rules work on: the turn on screen and the program's change signal.
    Turn& TheTurn() {
        turn_.emplace(Turn{Game(), program->events});
        return *turn_;
    }
    std::string ReadCommands() {
        std::ifstream in(Game().ReportDir + "commands.dat", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder temp{"dered-desk-"};
    std::optional<Turn> turn_;
    RecordingPlatform platform;
    MemoryIni ini;
    SystemDisk disk;
    std::unique_ptr<Program> program;
};

} // namespace dered::test
