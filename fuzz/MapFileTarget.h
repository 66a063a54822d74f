#pragma once

// map-area.dat and map-hex.dat are read together: the fuzzed one beside the real other one,
// both from memory.
#include "FuzzSupport.h"

#include "files/FileAccess.h"
#include "files/MapFiles.h"

#include <memory>

namespace dered::fuzz {

inline int LoadFuzzedMapFile(const char* fuzzedName, const char* realName, const uint8_t* data,
                             size_t size) {
    static const MapFileText real{
        realName, ReadWholeFile(std::string(DERED_SOURCE_DIR) + "/data/" + realName).text};
    static const auto heldHex = std::make_unique<HexMap>();
    const GameState& held = DemoGame();
    const MapFileText fuzzed{fuzzedName, std::string(reinterpret_cast<const char*>(data), size)};
    const bool areaFuzzed = std::string_view(fuzzedName) == MapAreaFileName;
    GameState game = held;
    auto hexMap = std::make_unique<HexMap>(*heldHex);
    const std::string problem =
        LoadMapTexts(game, *hexMap, areaFuzzed ? fuzzed : real, areaFuzzed ? real : fuzzed);
    if (!problem.empty()) {
        Require(game == held && *hexMap == *heldHex, "a refused map file changes nothing");
        return 0;
    }
    CheckGame(game);
    CheckHexMap(*hexMap);
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const AreaRecord& area = game.Areas[hexMap->At(c, r).Area];
            Require(area.MinCol <= c && c <= area.MaxCol && area.MinRow <= r && r <= area.MaxRow,
                    "every cell lies inside its area's extent");
        }
    }
    return 0;
}

} // namespace dered::fuzz
