#pragma once

#include "map/DrawingSurface.h"
#include "map/Geometry.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

namespace dered {

// What drawing on the map reads: the surface drawn on, its cells' geometry, the turn shown, the
// map's cells and the colours.
struct MapDrawing {
    DrawingSurface& surface;
    const MapGeometry& geometry;
    const GameState& game;
    const HexMap& hexMap;
    const SettingsRecord& settings;
};

} // namespace dered
