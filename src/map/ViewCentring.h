#pragma once

#include "map/Geometry.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

#include <cstdint>

namespace dered {

// The size of the window's view on the map picture.
struct ViewSize {
    int width = 0;
    int height = 0;
};

// Moves the view so that the area's anchor cell lies in its middle; false when the area has no
// cell, and the view stays.
bool CentreViewOnArea(SettingsRecord& settings, const MapGeometry& geometry, const HexMap& hexMap,
                      const GameState& game, int16_t area, ViewSize view);
// Moves the view over the own player's areas; false when the player owns none.
[[nodiscard]] bool CentreViewOnOwnAreas(SettingsRecord& settings, const MapGeometry& geometry,
                                        const HexMap& hexMap, const GameState& game, ViewSize view);

} // namespace dered
