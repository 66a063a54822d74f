#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Partition.h"

namespace dered::worldgen {

inline constexpr int AreaCount = 293;
inline constexpr int IceArea = 293;
inline constexpr int HomeCount = 12;

struct WorldArea {
    Kind kind = Kind::Land;
    int16_t terrain = 0; // 1 land, 2 coast, 3 water, 4 no-entry
    int16_t supply = 0;
    std::vector<int> neighbours; // ascending
    std::string name;            // with blanks
    std::vector<int> cells;      // ascending
    int anchor = -1;
    int landmass = -1; // land areas: which continent or island
};

struct World {
    std::vector<int> cellArea; // one per cell, 1..293
    std::array<WorldArea, AreaCount + 1> areas{};
    std::vector<int> homes; // in the order of the home section
    int landmassCount = 0;
};

// Builds the whole world from the seed; an empty problem text means success.
World BuildWorld(uint64_t seed, std::string& problem);

// Every rule the map must meet, checked afresh; the empty text when all hold.
std::string CheckWorld(const World& world);

} // namespace dered::worldgen
