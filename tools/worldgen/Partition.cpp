#include "Partition.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "HexGrid.h"

namespace dered::worldgen {

namespace {

constexpr double LandCellsPerArea = 5.0;
// Widths of the polar seas along row 2 and row 30: wide, so that the ice borders few areas.
constexpr int PolarSeaWidths[] = {12, 12, 12, 12, 11, 11};
constexpr int SouthPolarOffset = 5;

class Partitioner {
  public:
    Partitioner(const std::vector<char>& land, Rng& rng)
        : land_(land), rng_(rng), owner_(CellCount, -1) {}

    std::vector<Region> Run();

  private:
    void AddPolarRegions();
    void AddPieces();
    void CutPiece(const std::vector<int>& cells, Kind kind, int count);
    std::vector<int> GrowFrom(const std::vector<int>& seeds, const std::vector<int>& cells,
                              bool balanced) const;
    std::vector<int> FarthestSeeds(const std::vector<int>& cells, int count, int first) const;
    int Medoid(const std::vector<int>& cells) const;
    bool Repair();
    void Split(int region);
    void Dissolve(int region);
    bool AdjustCount();
    bool MergeSmallest(Kind kind);
    void Assign(int cell, int region);
    bool Splittable(Kind kind) const { return kind == Kind::Land || kind == Kind::Water; }
    Kind CellKind(int cell) const { return land_[cell] ? Kind::Land : Kind::Water; }
    int NewRegion(Kind kind);
    int LiveCount() const;

    const std::vector<char>& land_;
    Rng& rng_;
    std::vector<int> owner_;
    std::vector<Region> regions_;
    std::vector<std::vector<int>> pieces_;
    std::vector<Kind> pieceKinds_;
};

int Partitioner::NewRegion(Kind kind) {
    regions_.push_back(Region{kind, {}});
    return static_cast<int>(regions_.size()) - 1;
}

void Partitioner::Assign(int cell, int region) {
    const int old = owner_[cell];
    if (old >= 0) {
        auto& cells = regions_[old].cells;
        cells.erase(std::find(cells.begin(), cells.end(), cell));
    }
    owner_[cell] = region;
    regions_[region].cells.push_back(cell);
}

int Partitioner::LiveCount() const {
    int live = 0;
    for (const Region& region : regions_) {
        live += region.cells.empty() ? 0 : 1;
    }
    return live;
}

void Partitioner::AddPolarRegions() {
    for (int row : {2, Rows - 1}) {
        int col = row == 2 ? 1 : 1 + SouthPolarOffset;
        for (int width : PolarSeaWidths) {
            const int region = NewRegion(Kind::PolarSea);
            for (int i = 0; i < width; ++i) {
                Assign(CellIndex(col, row), region);
                col = col == Cols ? 1 : col + 1;
            }
        }
    }
}

// The connected pieces of land and of open water between the polar seas.
void Partitioner::AddPieces() {
    std::vector<char> seen(CellCount, 0);
    for (int start = 0; start < CellCount; ++start) {
        if (seen[start] || owner_[start] >= 0 || RowOf(start) == 1 || RowOf(start) == Rows) {
            continue;
        }
        std::vector<int> cells{start};
        seen[start] = 1;
        for (size_t i = 0; i < cells.size(); ++i) {
            for (int n : NeighbourCells(cells[i])) {
                if (n != NoCell && !seen[n] && owner_[n] < 0 && RowOf(n) != 1 && RowOf(n) != Rows &&
                    land_[n] == land_[start]) {
                    seen[n] = 1;
                    cells.push_back(n);
                }
            }
        }
        pieces_.push_back(cells);
        pieceKinds_.push_back(CellKind(start));
    }
}

// Grows regions from the seeds through the given cells. Plain growth takes cells in order
// of distance; balanced growth always feeds the smallest region, for even halves.
std::vector<int> Partitioner::GrowFrom(const std::vector<int>& seeds, const std::vector<int>& cells,
                                       bool balanced) const {
    std::vector<int> label(CellCount, -2);
    for (int cell : cells) {
        label[cell] = -1;
    }
    const int count = static_cast<int>(seeds.size());
    std::vector<std::deque<int>> fronts(count);
    std::vector<int> sizes(count, 1);
    std::deque<int> order;
    for (int i = 0; i < count; ++i) {
        label[seeds[i]] = i;
        fronts[i].push_back(seeds[i]);
        order.push_back(seeds[i]);
    }
    auto expand = [&](int from, auto&& push) {
        for (int n : NeighbourCells(from)) {
            if (n != NoCell && label[n] == -1) {
                label[n] = label[from];
                ++sizes[label[from]];
                push(n);
            }
        }
    };
    if (!balanced) {
        while (!order.empty()) {
            const int cell = order.front();
            order.pop_front();
            expand(cell, [&](int n) { order.push_back(n); });
        }
        return label;
    }
    for (;;) {
        int pick = -1;
        for (int i = 0; i < count; ++i) {
            if (!fronts[i].empty() && (pick < 0 || sizes[i] < sizes[pick])) {
                pick = i;
            }
        }
        if (pick < 0) {
            return label;
        }
        const int cell = fronts[pick].front();
        fronts[pick].pop_front();
        // Take one cell at a time so that the smaller side keeps catching up.
        for (int n : NeighbourCells(cell)) {
            if (n != NoCell && label[n] == -1) {
                label[n] = pick;
                ++sizes[pick];
                fronts[pick].push_back(n);
                fronts[pick].push_front(cell);
                break;
            }
        }
    }
}

// Each new seed is the cell farthest (in steps through the cells) from the seeds so far.
std::vector<int> Partitioner::FarthestSeeds(const std::vector<int>& cells, int count,
                                            int first) const {
    std::vector<int> seeds{first};
    while (static_cast<int>(seeds.size()) < count) {
        std::vector<int> dist(CellCount, -2);
        for (int cell : cells) {
            dist[cell] = -1;
        }
        std::deque<int> queue;
        for (int seed : seeds) {
            dist[seed] = 0;
            queue.push_back(seed);
        }
        int farthest = seeds.front();
        while (!queue.empty()) {
            const int cell = queue.front();
            queue.pop_front();
            if (dist[cell] > dist[farthest]) {
                farthest = cell;
            }
            for (int n : NeighbourCells(cell)) {
                if (n != NoCell && dist[n] == -1) {
                    dist[n] = dist[cell] + 1;
                    queue.push_back(n);
                }
            }
        }
        seeds.push_back(farthest);
    }
    return seeds;
}

int Partitioner::Medoid(const std::vector<int>& cells) const {
    int best = cells.front();
    double bestSum = 1e300;
    for (int candidate : cells) {
        double sum = 0;
        for (int cell : cells) {
            sum += Distance2(CellCentre(candidate), CellCentre(cell));
        }
        if (sum < bestSum) {
            bestSum = sum;
            best = candidate;
        }
    }
    return best;
}

// Seeds spread far apart, then moved to the middle of what they grew a few times over.
void Partitioner::CutPiece(const std::vector<int>& cells, Kind kind, int count) {
    count = std::clamp(count, 1, std::max(1, static_cast<int>(cells.size()) / MinRegionCells));
    std::vector<int> seeds =
        FarthestSeeds(cells, count, cells[rng_.Below(static_cast<int>(cells.size()))]);
    std::vector<int> label;
    for (int round = 0; round < 6; ++round) {
        label = GrowFrom(seeds, cells, false);
        std::vector<std::vector<int>> groups(count);
        for (int cell : cells) {
            groups[label[cell]].push_back(cell);
        }
        for (int i = 0; i < count; ++i) {
            seeds[i] = Medoid(groups[i]);
        }
    }
    label = GrowFrom(seeds, cells, false);
    const int first = static_cast<int>(regions_.size());
    for (int i = 0; i < count; ++i) {
        NewRegion(kind);
    }
    for (int cell : cells) {
        Assign(cell, first + label[cell]);
    }
}

void Partitioner::Split(int region) {
    const std::vector<int> cells = regions_[region].cells;
    // The two ends of the region: the cell farthest from any cell, and the one farthest
    // from that.
    const int end = FarthestSeeds(cells, 2, cells.front())[1];
    const std::vector<int> ends = FarthestSeeds(cells, 2, end);
    const std::vector<int> label = GrowFrom(ends, cells, true);
    const int other = NewRegion(regions_[region].kind);
    for (int cell : cells) {
        if (label[cell] == 1) {
            Assign(cell, other);
        }
    }
}

// Hands the cells of a region too small to stand alone to its smallest neighbours of the
// same kind, one cell at a time so that every receiver stays in one piece.
void Partitioner::Dissolve(int region) {
    const Kind kind = regions_[region].kind;
    bool moved = true;
    while (!regions_[region].cells.empty() && moved) {
        moved = false;
        for (int cell : std::vector<int>(regions_[region].cells)) {
            int best = -1;
            for (int n : NeighbourCells(cell)) {
                if (n == NoCell || owner_[n] < 0 || owner_[n] == region ||
                    regions_[owner_[n]].kind != kind) {
                    continue;
                }
                if (best < 0 || regions_[owner_[n]].cells.size() < regions_[best].cells.size()) {
                    best = owner_[n];
                }
            }
            if (best >= 0) {
                Assign(cell, best);
                moved = true;
            }
        }
    }
}

// One round of splitting regions that are too large and dissolving ones that are too small.
bool Partitioner::Repair() {
    bool changed = false;
    for (int i = 0; i < static_cast<int>(regions_.size()); ++i) {
        const int size = static_cast<int>(regions_[i].cells.size());
        if (!Splittable(regions_[i].kind) || size == 0) {
            continue;
        }
        if (size > MaxRegionCells) {
            Split(i);
            changed = true;
        } else if (size < MinRegionCells) {
            Dissolve(i);
            changed = true;
        }
    }
    return changed;
}

bool Partitioner::MergeSmallest(Kind kind) {
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(regions_.size()); ++i) {
        if (regions_[i].kind == kind && !regions_[i].cells.empty()) {
            order.push_back(i);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return regions_[a].cells.size() < regions_[b].cells.size();
    });
    for (int region : order) {
        int best = -1;
        for (int cell : regions_[region].cells) {
            for (int n : NeighbourCells(cell)) {
                if (n == NoCell || owner_[n] < 0 || owner_[n] == region) {
                    continue;
                }
                const Region& other = regions_[owner_[n]];
                if (other.kind == kind &&
                    other.cells.size() + regions_[region].cells.size() <= MaxRegionCells &&
                    (best < 0 || other.cells.size() < regions_[best].cells.size())) {
                    best = owner_[n];
                }
            }
        }
        if (best >= 0) {
            for (int cell : std::vector<int>(regions_[region].cells)) {
                Assign(cell, best);
            }
            return true;
        }
    }
    return false;
}

// Splits the largest or merges the smallest water regions until the count is exact.
bool Partitioner::AdjustCount() {
    for (int guard = 0; guard < 200; ++guard) {
        const int live = LiveCount() + 1; // the ice comes last
        if (live == RegionCount) {
            return true;
        }
        if (live > RegionCount) {
            if (!MergeSmallest(Kind::Water) && !MergeSmallest(Kind::Land)) {
                return false;
            }
            continue;
        }
        int largest = -1;
        for (int i = 0; i < static_cast<int>(regions_.size()); ++i) {
            if (Splittable(regions_[i].kind) &&
                (largest < 0 || regions_[i].cells.size() > regions_[largest].cells.size() ||
                 (regions_[i].cells.size() == regions_[largest].cells.size() &&
                  regions_[i].kind == Kind::Water && regions_[largest].kind == Kind::Land))) {
                largest = i;
            }
        }
        if (largest < 0 || regions_[largest].cells.size() < 2 * MinRegionCells) {
            return false;
        }
        Split(largest);
        while (Repair()) {
        }
    }
    return false;
}

std::vector<Region> Partitioner::Run() {
    AddPolarRegions();
    AddPieces();
    int waterCells = 0;
    int landRegions = 0;
    for (size_t i = 0; i < pieces_.size(); ++i) {
        const int size = static_cast<int>(pieces_[i].size());
        if (pieceKinds_[i] == Kind::Land) {
            landRegions += std::max(1, static_cast<int>(std::lround(size / LandCellsPerArea)));
        } else {
            waterCells += size;
        }
    }
    const int polar = static_cast<int>(regions_.size());
    const double waterPerRegion =
        static_cast<double>(waterCells) / std::max(1, RegionCount - 1 - polar - landRegions);
    for (size_t i = 0; i < pieces_.size(); ++i) {
        const double perRegion = pieceKinds_[i] == Kind::Land ? LandCellsPerArea : waterPerRegion;
        const int count = std::max(
            1, static_cast<int>(std::lround(static_cast<double>(pieces_[i].size()) / perRegion)));
        CutPiece(pieces_[i], pieceKinds_[i], count);
    }
    for (int round = 0; round < 50 && Repair(); ++round) {
    }
    if (!AdjustCount()) {
        return {};
    }
    std::vector<Region> out;
    for (Region& region : regions_) {
        if (!region.cells.empty()) {
            std::sort(region.cells.begin(), region.cells.end());
            out.push_back(std::move(region));
        }
    }
    Region ice{Kind::Ice, {}};
    for (int cell = 0; cell < CellCount; ++cell) {
        if (RowOf(cell) == 1 || RowOf(cell) == Rows) {
            ice.cells.push_back(cell);
        }
    }
    out.push_back(std::move(ice));
    return out;
}

} // namespace

std::vector<Region> PartitionWorld(const std::vector<char>& land, Rng& rng) {
    return Partitioner(land, rng).Run();
}

} // namespace dered::worldgen
