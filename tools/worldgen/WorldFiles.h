#pragma once

#include <string>

#include "World.h"
#include "state/HexMap.h"

namespace dered::worldgen {

// The hex grid of the world: each cell's area, borders on every side that meets another
// area (across the wrap too, but not off the top or bottom of the map), and the marks of
// each area on its anchor cell.
HexMap MakeHexMap(const World& world);

// Writes dir/map-area.dat and dir/map-hex.dat; the empty text on success.
std::string WriteMapFiles(const World& world, const std::string& dir);

} // namespace dered::worldgen
