#pragma once

#include <string>
#include <vector>

#include "files/Disk.h"
#include "files/MapFolders.h"
#include "state/GameState.h"
#include "state/HexMap.h"

namespace dered {

inline constexpr const char* MapAreaFileName = "map-area.dat";
inline constexpr const char* MapHexFileName = "map-hex.dat";

// Reads the area file and the hex file into the map fields of the area table and into
// hexMap. Returns the empty text on success, else a message naming the file, the line and
// the problem; on failure both records are left exactly as they were.
[[nodiscard]] std::string LoadMapFiles(GameState& game, HexMap& hexMap, const MapFilePaths& files);

// The same from the files' texts; path names each in messages.
struct MapFileText {
    std::string path;
    std::string text;
};
[[nodiscard]] std::string LoadMapTexts(GameState& game, HexMap& hexMap, const MapFileText& area,
                                       const MapFileText& hex);

// LoadMapTexts in its two steps, so that one area file can be read once for many hex files:
// the area file read into a copy of the game's areas, then the hex file against that copy.
[[nodiscard]] std::string ReadMapAreas(const GameState& game, const MapFileText& area,
                                       std::vector<AreaRecord>& areas);
[[nodiscard]] std::string LoadMapHex(GameState& game, HexMap& hexMap, std::vector<AreaRecord> areas,
                                     const MapFileText& hex);

// The same with the files found in the folders (FindMapFiles).
[[nodiscard]] std::string LoadMapFiles(GameState& game, HexMap& hexMap, const MapFolders& folders);

// Writes hexMap in the "map-hex.dat" form, through a temporary file in the same folder so
// that a failed write never leaves a damaged map behind. Empty text on success.
[[nodiscard]] std::string SaveHexData(const HexMap& hexMap, const std::string& path, Disk& disk);

} // namespace dered
