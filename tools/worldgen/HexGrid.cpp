#include "HexGrid.h"

namespace dered::worldgen {

namespace {
constexpr double RowStep = 1.7320508075688772;
}

int NeighbourCell(int cell, int side) {
    const int c = ColOf(cell);
    const int r = RowOf(cell);
    const bool even = c % 2 == 0;
    int nc = c;
    int nr = r;
    switch (side) {
    case 0:
        nr = r - 1;
        break;
    case 1:
        nc = c + 1;
        nr = even ? r : r - 1;
        break;
    case 2:
        nc = c + 1;
        nr = even ? r + 1 : r;
        break;
    case 3:
        nr = r + 1;
        break;
    case 4:
        nc = c - 1;
        nr = even ? r + 1 : r;
        break;
    default:
        nc = c - 1;
        nr = even ? r : r - 1;
        break;
    }
    if (nr < 1 || nr > Rows) {
        return NoCell;
    }
    if (nc < 1) {
        nc = Cols;
    } else if (nc > Cols) {
        nc = 1;
    }
    return CellIndex(nc, nr);
}

std::array<int, 6> NeighbourCells(int cell) {
    std::array<int, 6> out{};
    for (int side = 0; side < 6; ++side) {
        out[side] = NeighbourCell(cell, side);
    }
    return out;
}

Point CellCentre(int cell) {
    const int c = ColOf(cell);
    const int r = RowOf(cell);
    return {1.5 * (c - 1), RowStep * (r - 1) + (c % 2 == 0 ? RowStep / 2 : 0.0)};
}

double WrapDx(double dx) {
    while (dx > WorldWidth / 2) {
        dx -= WorldWidth;
    }
    while (dx < -WorldWidth / 2) {
        dx += WorldWidth;
    }
    return dx;
}

double Distance2(Point a, Point b) {
    const double dx = WrapDx(a.x - b.x);
    const double dy = a.y - b.y;
    return dx * dx + dy * dy;
}

} // namespace dered::worldgen
