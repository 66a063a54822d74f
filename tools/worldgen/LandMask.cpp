#include "LandMask.h"

#include <cmath>

#include "HexGrid.h"

namespace dered::worldgen {

namespace {

// A disc of land (or, with a negative weight, of sea cut out of land), centred on a cell.
struct Stamp {
    double col;
    double row;
    double radius; // in hex sides
    bool sea = false;
};

// The shape of the world: continents drawn as overlapping discs, inland seas and gulfs cut
// back out of them. Noise roughens the coasts.
const Stamp Stamps[] = {
    // Western continent, with an inland sea and a gulf from the west.
    {7, 6, 5.5},
    {13, 5, 5.0},
    {18, 7, 4.5},
    {5, 11, 6.0},
    {12, 11, 6.5},
    {19, 12, 4.5},
    {8, 17, 6.0},
    {14, 17, 5.0},
    {10, 22, 4.5},
    {4, 20, 3.5},
    {20, 17, 3.0},
    {12, 12, 3.0, true},
    {1.5, 14, 2.8, true},
    // Northern central continent, a gulf opening to the north.
    {28, 6, 5.0},
    {33, 5, 4.5},
    {38, 6, 5.5},
    {42, 8, 3.5},
    {29, 11, 5.0},
    {35, 11, 5.5},
    {40.5, 12, 3.5},
    {34, 3, 2.5, true},
    {34, 6, 2.0, true},
    // Southern central continent, across a narrow strait.
    {30, 19, 4.5},
    {36, 19, 5.0},
    {32, 23, 5.5},
    {38, 24, 4.5},
    {31, 27, 3.5},
    {40, 20, 3.0},
    // Eastern continent with a deep southern gulf.
    {52, 7, 4.5},
    {57, 6, 5.5},
    {63, 8, 4.5},
    {51, 13, 5.0},
    {57, 12, 6.0},
    {64, 14, 4.5},
    {51, 19, 5.0},
    {58, 19, 5.0},
    {64, 21, 4.0},
    {55, 24, 4.0},
    {56.5, 21, 2.8, true},
    {56, 25, 2.5, true},
    {57, 28, 2.5, true},
    // Islands.
    {22, 25, 3.2},
    {19, 27, 2.4},
    {45, 14, 2.2},
    {46, 18, 2.2},
    {68, 5, 2.8},
    {5, 27, 3.0},
    {47, 26, 2.6},
    {24, 4, 2.0},
    {68, 17, 2.8},
    {43, 22, 2.0},
    {69, 25, 2.2},
};

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

// Value noise on a lattice that wraps east-west with the world.
class Noise {
  public:
    Noise(Rng& rng, int nx, int ny) : nx_(nx), ny_(ny), values_(nx * (ny + 1)) {
        for (double& v : values_) {
            v = rng.Unit() * 2.0 - 1.0;
        }
    }
    double At(Point p) const {
        const double fx = p.x / WorldWidth * nx_;
        const double fy = p.y / 54.0 * ny_;
        const int ix = static_cast<int>(std::floor(fx));
        const int iy = static_cast<int>(std::floor(fy));
        const double tx = Smooth(fx - ix);
        const double ty = Smooth(fy - iy);
        const double top = Lerp(Value(ix, iy), Value(ix + 1, iy), tx);
        const double bottom = Lerp(Value(ix, iy + 1), Value(ix + 1, iy + 1), tx);
        return Lerp(top, bottom, ty);
    }

  private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    double Value(int x, int y) const {
        x = ((x % nx_) + nx_) % nx_;
        y = y < 0 ? 0 : (y > ny_ ? ny_ : y);
        return values_[y * nx_ + x];
    }
    int nx_;
    int ny_;
    std::vector<double> values_;
};

Point StampCentre(const Stamp& s) {
    const double y = 1.7320508075688772 * (s.row - 1) +
                     (static_cast<int>(s.col) % 2 == 0 ? 0.8660254037844386 : 0.0);
    return {1.5 * (s.col - 1), y};
}

// How far inside the land a point is, in hex sides (negative: at sea).
double Elevation(Point p, const Noise& coarse, const Noise& fine) {
    double land = -1e9;
    double sea = -1e9;
    for (const Stamp& s : Stamps) {
        const double inside = s.radius - std::sqrt(Distance2(p, StampCentre(s)));
        if (s.sea) {
            sea = inside > sea ? inside : sea;
        } else {
            land = inside > land ? inside : land;
        }
    }
    const double roughness = 1.6 * coarse.At(p) + 0.8 * fine.At(p);
    double height = land + roughness;
    if (sea + 0.5 * roughness > 0) {
        height = -1;
    }
    return height;
}

int CountSameNeighbours(const std::vector<char>& land, int cell, char value) {
    int same = 0;
    for (int n : NeighbourCells(cell)) {
        if (n != NoCell && land[n] == value) {
            ++same;
        }
    }
    return same;
}

bool PolarRow(int cell) {
    const int r = RowOf(cell);
    return r <= 2 || r >= Rows - 1;
}

// True when some piece was turned over.
bool RemoveSpecksOnce(std::vector<char>& land) {
    bool changed = false;
    std::vector<int> piece(CellCount, -1);
    int pieces = 0;
    for (int start = 0; start < CellCount; ++start) {
        if (piece[start] != -1 || PolarRow(start)) {
            continue;
        }
        std::vector<int> cells{start};
        piece[start] = pieces;
        for (size_t i = 0; i < cells.size(); ++i) {
            for (int n : NeighbourCells(cells[i])) {
                if (n != NoCell && piece[n] == -1 && !PolarRow(n) && land[n] == land[start]) {
                    piece[n] = pieces;
                    cells.push_back(n);
                }
            }
        }
        ++pieces;
        if (cells.size() < 3) {
            for (int cell : cells) {
                land[cell] = land[cell] ? 0 : 1;
            }
            changed = true;
        }
    }
    return changed;
}

} // namespace

std::vector<char> MakeLandMask(Rng& rng) {
    const Noise coarse(rng, 15, 8);
    const Noise fine(rng, 35, 18);
    std::vector<char> land(CellCount, 0);
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!PolarRow(cell)) {
            land[cell] = Elevation(CellCentre(cell), coarse, fine) > 0 ? 1 : 0;
        }
    }
    // Smooth away lone spikes and pits so that coasts read as coasts.
    std::vector<char> smoothed = land;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (!PolarRow(cell) && CountSameNeighbours(land, cell, land[cell]) <= 1) {
            smoothed[cell] = land[cell] ? 0 : 1;
        }
    }
    land = smoothed;
    RemoveSpecks(land);
    return land;
}

void RemoveSpecks(std::vector<char>& land) {
    while (RemoveSpecksOnce(land)) {
    }
}

} // namespace dered::worldgen
