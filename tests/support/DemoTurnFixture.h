#pragma once

#include "app/Program.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace dered::test {

// The whole program on a copy of the demo's first turn, with the map window open.
class DemoTurnFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path turn = fs::path(temp.Folder()) / "turn";
        fs::create_directories(turn);
        fs::copy_file(fs::path(DERED_SOURCE_DIR) / "data/demo/1880-1/plyrdata.003",
                      turn / "plyrdata.003");
        program = std::make_unique<Program>(
            platform, ini,
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), (turn / "plyrdata.003").string(), {}});
        program->Start();
        platform.messages.clear();
    }

    GameState& Game() { return program->records.game; }
    std::string ReadCommands() {
        std::ifstream in(Game().ReportDir + "commands.dat", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder temp{"dered-desk-"};
    RecordingPlatform platform;
    MemoryIni ini;
    std::unique_ptr<Program> program;
};

} // namespace dered::test
