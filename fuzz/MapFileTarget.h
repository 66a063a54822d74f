#pragma once

// map-area.dat and map-hex.dat are read together: the fuzzed one with the real other one, both
// from memory. The real area file is read once for all the hex files.
#include "FuzzSupport.h"

#include "files/FileAccess.h"
#include "files/MapFiles.h"

#include <memory>
#include <vector>

namespace dered::fuzz {

inline MapFileText RealMapFile(const char* name) {
    return {name, ReadWholeFile(std::string(DERED_SOURCE_DIR) + "/data/" + name).text};
}

// What a read of the fuzzed file changed, checked: a refused file nothing, an accepted one
// only to values in their domains.
inline int CheckMapFileRead(const std::string& problem, const GameState& game, const HexMap& hexMap,
                            const HexMap& heldHex) {
    if (!problem.empty()) {
        Require(game == DemoGame() && hexMap == heldHex, "a refused map file changes nothing");
        return 0;
    }
    CheckGame(game);
    CheckHexMap(hexMap);
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const AreaRecord& area = game.Areas[hexMap.At(c, r).Area];
            Require(area.MinCol <= c && c <= area.MaxCol && area.MinRow <= r && r <= area.MaxRow,
                    "every cell lies inside its area's extent");
        }
    }
    return 0;
}

inline int LoadFuzzedMapFile(const char* fuzzedName, const uint8_t* data, size_t size) {
    static const auto heldHex = std::make_unique<HexMap>();
    const MapFileText fuzzed{fuzzedName, std::string(reinterpret_cast<const char*>(data), size)};
    GameState game = DemoGame();
    auto hexMap = std::make_unique<HexMap>(*heldHex);
    std::string problem;
    if (std::string_view(fuzzedName) == MapAreaFileName) {
        static const MapFileText realHex = RealMapFile(MapHexFileName);
        problem = LoadMapTexts(game, *hexMap, fuzzed, realHex);
    } else {
        static const std::vector<AreaRecord> realAreas = [] {
            std::vector<AreaRecord> areas;
            Require(ReadMapAreas(DemoGame(), RealMapFile(MapAreaFileName), areas).empty(),
                    "the real area file reads");
            return areas;
        }();
        problem = LoadMapHex(game, *hexMap, realAreas, fuzzed);
    }
    return CheckMapFileRead(problem, game, *hexMap, *heldHex);
}

} // namespace dered::fuzz
