#pragma once

#include <vector>

#include "Rng.h"

namespace dered::worldgen {

// 1 for land, 0 for water, one entry per cell. The two rows next to each pole are always
// water, and the poles themselves are left to the ice.
std::vector<char> MakeLandMask(Rng& rng);

// Turns pieces of land or water smaller than three cells into their surroundings, so that
// every piece can hold an area of its own.
void RemoveSpecks(std::vector<char>& land);

} // namespace dered::worldgen
