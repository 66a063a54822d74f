#pragma once

#include <vector>

#include "Rng.h"

namespace dered::worldgen {

enum class Kind { Land, Water, PolarSea, Ice };

struct Region {
    Kind kind = Kind::Land;
    std::vector<int> cells;
};

inline constexpr int RegionCount = 293;
inline constexpr int MinRegionCells = 3;
inline constexpr int MaxRegionCells = 12;

// Cuts the world into exactly RegionCount connected regions of 3 to 12 cells, each all land
// or all water; the last region is the polar ice of the top and bottom rows. Returns an
// empty list when the cut cannot be made (a different seed or shape is then needed).
std::vector<Region> PartitionWorld(const std::vector<char>& land, Rng& rng);

} // namespace dered::worldgen
