#pragma once

#include <array>

namespace dered::worldgen {

inline constexpr int Cols = 70;
inline constexpr int Rows = 31;
inline constexpr int CellCount = Cols * Rows;
inline constexpr int NoCell = -1;
// In units of a hex side: columns are 1.5 apart, rows sqrt(3) apart.
inline constexpr double WorldWidth = Cols * 1.5;

// Cells are numbered column-major from 0, as the hex file lists them.
inline int CellIndex(int col, int row) {
    return (col - 1) * Rows + (row - 1);
}
inline int ColOf(int cell) {
    return cell / Rows + 1;
}
inline int RowOf(int cell) {
    return cell % Rows + 1;
}

// Side 0..5 = N, NE, SE, S, SW, NW. Even columns sit half a row lower, and column 70 meets
// column 1; rows do not wrap, so off the top or bottom there is no cell.
int NeighbourCell(int cell, int side);
std::array<int, 6> NeighbourCells(int cell);

struct Point {
    double x = 0;
    double y = 0;
};
Point CellCentre(int cell);
// The shortest east-west difference, allowing for the wrap.
double WrapDx(double dx);
double Distance2(Point a, Point b);

} // namespace dered::worldgen
