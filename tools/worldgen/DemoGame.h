#pragma once

#include <string>

#include "World.h"

namespace dered::worldgen {

// Writes the demo game's reports under outDir/demo/.
std::string WriteDemoGame(const World& world, const std::string& outDir);

} // namespace dered::worldgen
