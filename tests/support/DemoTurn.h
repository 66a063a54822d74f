#pragma once

#include "files/MapFiles.h"
#include "files/ReportReader.h"
#include "files/Settings.h"
#include "state/SettingsRecord.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace dered::test {

inline const std::string kSourceData = std::string(DERED_SOURCE_DIR) + "/data/";

// A turn of the demo game read as the program reads it, with the map files and the default
// settings.
struct DemoTurn {
    explicit DemoTurn(const std::string& report = "demo/1880-1/plyrdata.003") {
        MemoryIni ini;
        LoadSettings(settings, ini);
        EXPECT_EQ(LoadMapFiles(game, hexMap, OnlyFolder(kSourceData)), "");
        const auto [folder, file] = SplitReportPath(kSourceData + report);
        EXPECT_EQ(ReadReport(game, platform, folder, file), ReportOutcome::Read);
    }
    RecordingPlatform platform;
    GameState game;
    HexMap hexMap;
    SettingsRecord settings;
};

} // namespace dered::test
