#pragma once

#include "Rng.h"
#include "World.h"

namespace dered::worldgen {

// Gives every area a name of its own, at most 24 characters: place names for land, ranges
// for mountains, and seas, gulfs, straits and oceans for the water.
void NameAreas(World& world, Rng& rng);

} // namespace dered::worldgen
