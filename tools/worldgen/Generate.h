#pragma once

#include <cstdint>
#include <string>

namespace dered::worldgen {

// The seed of the bundled world. Changing it changes every committed data file.
inline constexpr uint64_t WorldSeed = 20240611;

// Writes the map files and the demo game into outDir (which must exist); the empty text on
// success, else what went wrong.
std::string GenerateAll(const std::string& outDir);

} // namespace dered::worldgen
