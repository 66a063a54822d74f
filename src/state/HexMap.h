#pragma once

#include <array>
#include <cstdint>

namespace dered {

inline constexpr int MapColumns = 70;
inline constexpr int MapRows = 31;

struct HexCell {
    int16_t Area = 0;
    // Sides 1..6 (N, NE, SE, S, SW, NW) at indices 0..5; 1 = a border is drawn.
    std::array<int16_t, 6> Border{};
    // 0 "ID", 1 "Info", 2 "Supply"; -1 = shown.
    std::array<int16_t, 3> Display{};

    bool operator==(const HexCell&) const = default;
};

// Columns 0..70 and rows 0..31; only 1..70 and 1..31 are used.
struct HexMap {
    std::array<std::array<HexCell, MapRows + 1>, MapColumns + 1> cells{};

    HexCell& At(int col, int row) { return cells[col][row]; }
    const HexCell& At(int col, int row) const { return cells[col][row]; }
    bool operator==(const HexMap&) const = default;
};

} // namespace dered
