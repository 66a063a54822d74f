#pragma once

#include "map/Pictures.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

#include <cstdint>
#include <string>

namespace dered {

struct MapExportOptions {
    int16_t cellSize = 26; // held to the display's limits, as the map window holds it
    bool hexDisplay = true;
    bool arrows = true;
};

struct MapSvg {
    std::string text;
    int width = 0; // the whole document, title line included
    int height = 0;
};

// The whole wrapped world as the map window draws it, the orders' arrows on top, under a
// title line naming the game, the turn and the player.
[[nodiscard]] MapSvg ExportMapSvg(const GameState& game, const HexMap& hexMap,
                                  const SettingsRecord& settings, const MapPictures& pictures,
                                  const MapExportOptions& options);

// "QZ001, 1880 turn 1, player 3 (Eskarin Kingdom)".
std::string MapTitle(const GameState& game);

} // namespace dered
