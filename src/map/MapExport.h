#pragma once

#include "map/DrawingSurface.h"
#include "map/Geometry.h"
#include "map/Pictures.h"
#include "state/AllyOrders.h"
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
    const AllyOrderSets* allies = nullptr; // drawn beneath the arrows; none: not drawn
    bool reach = false;                    // who can get into each area next turn, over the map
};

struct MapSvg {
    std::string text;
    int width = 0; // the whole document, title line included
    int height = 0;
};

// The settings and geometry of an exported picture: the map window's, at the chosen cell size
// and shape.
struct MapExportLayout {
    SettingsRecord settings;
    MapGeometry geometry;
    int width = 0; // the map alone, without the title line
    int height = 0;
};
[[nodiscard]] MapExportLayout LayoutMapExport(const SettingsRecord& settings,
                                              const MapExportOptions& options);

// Draws the whole wrapped world on a surface of the layout's size, then what the options choose
// on top: the reach, the allies' orders and the own arrows.
void DrawExportedMap(DrawingSurface& surface, const MapExportLayout& layout, const GameState& game,
                     const HexMap& hexMap, const MapPictures& pictures,
                     const MapExportOptions& options);

// The whole wrapped world as the map window draws it, the orders' arrows on top, under a
// title line naming the game, the turn and the player.
[[nodiscard]] MapSvg ExportMapSvg(const GameState& game, const HexMap& hexMap,
                                  const SettingsRecord& settings, const MapPictures& pictures,
                                  const MapExportOptions& options);

// "QZ001, 1880 turn 1, player 3 (Eskarin Kingdom)".
std::string MapTitle(const GameState& game);

} // namespace dered
