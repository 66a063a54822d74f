#pragma once

#include <array>
#include <cstdint>

namespace dered {

// Colours are 0x00BBGGRR: red in the lowest byte.
struct SettingsRecord {
    int32_t BorderColour = 0;
    int32_t WaterColour = 0;
    int32_t NoGoColour = 0;
    std::array<int32_t, 13> CountryColour{}; // 0 neutral, 1..12 players
    std::array<int32_t, 4> ArrowColour{};    // CO, MO, SA, SD
    int16_t MapX = 0;
    int16_t MapY = 0;
    int16_t HexDisplay = 0; // -1 hexagons, 0 squares
    int16_t CellSize = 0;

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace dered
