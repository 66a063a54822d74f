#include "World.h"

#include <algorithm>
#include <deque>
#include <set>

#include "HexGrid.h"
#include "LandMask.h"
#include "Naming.h"

namespace dered::worldgen {

namespace {

constexpr int MountainCount = 6;
constexpr int MountainsPerLandmass = 2;
// Homes lie on land masses of at least this many areas: no power starts on a small island.
constexpr int HomeLandmassAreas = 8;
constexpr int Unreachable = 1 << 20;
constexpr int StartingCentres = 2;

// The cell with the most neighbours in its own area, nearest the middle when several tie:
// an inner cell where there is one.
int ChooseAnchor(const std::vector<int>& cells, const std::vector<int>& regionOf) {
    const Point ref = CellCentre(cells.front());
    Point mid{0, 0};
    for (int cell : cells) {
        const Point p = CellCentre(cell);
        mid.x += ref.x + WrapDx(p.x - ref.x);
        mid.y += p.y;
    }
    mid.x /= static_cast<double>(cells.size());
    mid.y /= static_cast<double>(cells.size());
    int best = -1;
    int bestInner = -1;
    double bestDistance = 0;
    for (int cell : cells) {
        int inner = 0;
        for (int n : NeighbourCells(cell)) {
            inner += (n != NoCell && regionOf[n] == regionOf[cell]) ? 1 : 0;
        }
        const double distance = Distance2(CellCentre(cell), mid);
        if (inner > bestInner || (inner == bestInner && distance < bestDistance)) {
            best = cell;
            bestInner = inner;
            bestDistance = distance;
        }
    }
    return best;
}

// Areas are numbered in reading order of their anchors: row by row, west to east.
void NumberAreas(World& world, std::vector<Region>& regions) {
    std::vector<int> regionOf(CellCount, -1);
    for (size_t i = 0; i < regions.size(); ++i) {
        for (int cell : regions[i].cells) {
            regionOf[cell] = static_cast<int>(i);
        }
    }
    std::vector<int> anchors(regions.size());
    std::vector<int> order;
    for (size_t i = 0; i < regions.size(); ++i) {
        anchors[i] = regions[i].kind == Kind::Ice ? CellIndex(36, 1)
                                                  : ChooseAnchor(regions[i].cells, regionOf);
        if (regions[i].kind != Kind::Ice) {
            order.push_back(static_cast<int>(i));
        }
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int ka = RowOf(anchors[a]) * 100 + ColOf(anchors[a]);
        const int kb = RowOf(anchors[b]) * 100 + ColOf(anchors[b]);
        return ka < kb;
    });
    order.push_back(static_cast<int>(regions.size()) - 1);
    world.cellArea.assign(CellCount, 0);
    for (size_t n = 0; n < order.size(); ++n) {
        WorldArea& area = world.areas[n + 1];
        Region& region = regions[order[n]];
        area.kind = region.kind;
        area.cells = region.cells;
        area.anchor = anchors[order[n]];
        for (int cell : area.cells) {
            world.cellArea[cell] = static_cast<int>(n + 1);
        }
    }
}

void FindNeighbours(World& world) {
    std::vector<std::set<int>> sets(AreaCount + 1);
    for (int cell = 0; cell < CellCount; ++cell) {
        for (int n : NeighbourCells(cell)) {
            if (n != NoCell && world.cellArea[n] != world.cellArea[cell]) {
                sets[world.cellArea[cell]].insert(world.cellArea[n]);
            }
        }
    }
    for (int a = 1; a <= AreaCount; ++a) {
        world.areas[a].neighbours.assign(sets[a].begin(), sets[a].end());
    }
}

bool IsWaterKind(Kind kind) {
    return kind == Kind::Water || kind == Kind::PolarSea;
}

void SetTerrain(World& world) {
    for (int a = 1; a <= AreaCount; ++a) {
        WorldArea& area = world.areas[a];
        if (area.kind == Kind::Ice) {
            area.terrain = 4;
        } else if (IsWaterKind(area.kind)) {
            area.terrain = 3;
        } else {
            area.terrain = 1;
            for (int n : area.neighbours) {
                if (IsWaterKind(world.areas[n].kind)) {
                    area.terrain = 2;
                }
            }
        }
    }
}

void FindLandmasses(World& world) {
    for (int start = 1; start <= AreaCount; ++start) {
        if (world.areas[start].kind != Kind::Land || world.areas[start].landmass >= 0) {
            continue;
        }
        std::deque<int> queue{start};
        world.areas[start].landmass = world.landmassCount;
        while (!queue.empty()) {
            const int a = queue.front();
            queue.pop_front();
            for (int n : world.areas[a].neighbours) {
                if (world.areas[n].kind == Kind::Land && world.areas[n].landmass < 0) {
                    world.areas[n].landmass = world.landmassCount;
                    queue.push_back(n);
                }
            }
        }
        ++world.landmassCount;
    }
}

std::vector<int> LandmassSizes(const World& world) {
    std::vector<int> sizes(world.landmassCount, 0);
    for (int a = 1; a <= AreaCount; ++a) {
        if (world.areas[a].landmass >= 0) {
            ++sizes[world.areas[a].landmass];
        }
    }
    return sizes;
}

template <typename T> void Shuffle(std::vector<T>& items, Rng& rng) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
        std::swap(items[i], items[rng.Below(i + 1)]);
    }
}

// A few inland areas of the larger land masses become impassable mountains.
void PlaceMountains(World& world, Rng& rng) {
    const std::vector<int> sizes = LandmassSizes(world);
    std::vector<int> candidates;
    for (int a = 1; a <= AreaCount; ++a) {
        const WorldArea& area = world.areas[a];
        if (area.kind == Kind::Land && area.terrain == 1 && sizes[area.landmass] >= 12) {
            candidates.push_back(a);
        }
    }
    Shuffle(candidates, rng);
    std::vector<int> perLandmass(world.landmassCount, 0);
    int placed = 0;
    for (int a : candidates) {
        WorldArea& area = world.areas[a];
        bool nextToMountain = false;
        for (int n : area.neighbours) {
            nextToMountain = nextToMountain || world.areas[n].terrain == 4;
        }
        if (placed < MountainCount && !nextToMountain &&
            perLandmass[area.landmass] < MountainsPerLandmass) {
            area.terrain = 4;
            ++perLandmass[area.landmass];
            ++placed;
        }
    }
}

// Steps between areas, through any area but the ice.
std::vector<std::vector<int>> AreaDistances(const World& world) {
    std::vector<std::vector<int>> dist(AreaCount + 1, std::vector<int>(AreaCount + 1, Unreachable));
    for (int from = 1; from < IceArea; ++from) {
        dist[from][from] = 0;
        std::deque<int> queue{from};
        while (!queue.empty()) {
            const int a = queue.front();
            queue.pop_front();
            for (int n : world.areas[a].neighbours) {
                if (n != IceArea && dist[from][n] == Unreachable) {
                    dist[from][n] = dist[from][a] + 1;
                    queue.push_back(n);
                }
            }
        }
    }
    return dist;
}

// Each next pick is the candidate farthest from the picks so far.
std::vector<int> FarthestOrder(const std::vector<int>& candidates, int count, int first,
                               const std::vector<std::vector<int>>& dist) {
    std::vector<int> picks{first};
    while (static_cast<int>(picks.size()) < count) {
        int best = -1;
        int bestDistance = -1;
        for (int c : candidates) {
            int nearest = Unreachable;
            for (int p : picks) {
                nearest = std::min(nearest, dist[c][p]);
            }
            if (nearest > bestDistance) {
                best = c;
                bestDistance = nearest;
            }
        }
        picks.push_back(best);
    }
    return picks;
}

// Homes spread evenly over the large land masses; listed so that the first few of them are
// spread well too, since a smaller game uses only the first ones.
void PlaceHomes(World& world, Rng& rng) {
    const std::vector<int> sizes = LandmassSizes(world);
    std::vector<int> candidates;
    for (int a = 1; a <= AreaCount; ++a) {
        const WorldArea& area = world.areas[a];
        if (area.kind == Kind::Land && area.terrain != 4 &&
            sizes[area.landmass] >= HomeLandmassAreas) {
            candidates.push_back(a);
        }
    }
    const auto dist = AreaDistances(world);
    std::vector<int> homes = FarthestOrder(
        candidates, HomeCount, candidates[rng.Below(static_cast<int>(candidates.size()))], dist);
    for (int round = 0; round < 5; ++round) {
        std::vector<std::vector<int>> groups(HomeCount);
        for (int c : candidates) {
            int nearest = 0;
            for (int h = 1; h < HomeCount; ++h) {
                if (dist[c][homes[h]] < dist[c][homes[nearest]]) {
                    nearest = h;
                }
            }
            groups[nearest].push_back(c);
        }
        for (int h = 0; h < HomeCount; ++h) {
            long bestSum = -1;
            for (int c : groups[h]) {
                long sum = 0;
                for (int other : groups[h]) {
                    sum += dist[c][other];
                }
                if (bestSum < 0 || sum < bestSum) {
                    bestSum = sum;
                    homes[h] = c;
                }
            }
        }
    }
    std::sort(homes.begin(), homes.end());
    world.homes = FarthestOrder(homes, HomeCount, homes.front(), dist);
}

int16_t SupplySize(Rng& rng) {
    const int roll = rng.Below(20);
    return roll < 11 ? 1 : (roll < 17 ? 2 : 3);
}

// Fair starts: every home has centres of size 2 two steps away over land, where they are
// not a neighbour's too.
int PlaceStartingCentres(World& world) {
    int placed = 0;
    for (int home : world.homes) {
        std::vector<int> ring;
        for (int n : world.areas[home].neighbours) {
            for (int m : world.areas[n].neighbours) {
                const WorldArea& area = world.areas[m];
                if (area.kind == Kind::Land && area.terrain != 4 && area.supply == 0 &&
                    world.areas[n].kind == Kind::Land && m != home &&
                    std::find(world.areas[home].neighbours.begin(),
                              world.areas[home].neighbours.end(),
                              m) == world.areas[home].neighbours.end()) {
                    ring.push_back(m);
                }
            }
        }
        std::sort(ring.begin(), ring.end());
        ring.erase(std::unique(ring.begin(), ring.end()), ring.end());
        int given = 0;
        for (int a : ring) {
            bool touching = false;
            for (int n : world.areas[a].neighbours) {
                touching = touching || world.areas[n].supply > 0;
            }
            if (given < StartingCentres && !touching) {
                world.areas[a].supply = 2;
                ++given;
                ++placed;
            }
        }
    }
    return placed;
}

// About a third of the land areas hold a supply centre, spread so that few touch.
void PlaceSupply(World& world, Rng& rng) {
    std::vector<int> land;
    for (int a = 1; a <= AreaCount; ++a) {
        if (world.areas[a].kind == Kind::Land && world.areas[a].terrain != 4) {
            land.push_back(a);
        }
    }
    for (int h : world.homes) {
        world.areas[h].supply = 3;
    }
    const int wanted = static_cast<int>(land.size() + 1) / 3;
    int placed = HomeCount + PlaceStartingCentres(world);
    Shuffle(land, rng);
    for (int pass = 0; pass < 2; ++pass) {
        for (int a : land) {
            WorldArea& area = world.areas[a];
            bool touching = false;
            for (int n : area.neighbours) {
                touching = touching || world.areas[n].supply > 0;
            }
            if (placed < wanted && area.supply == 0 && (pass == 1 || !touching)) {
                area.supply = SupplySize(rng);
                ++placed;
            }
        }
    }
}

} // namespace

World BuildWorld(uint64_t seed, std::string& problem) {
    Rng rng(seed);
    const std::vector<char> land = MakeLandMask(rng);
    std::vector<Region> regions = PartitionWorld(land, rng);
    if (regions.size() != static_cast<size_t>(AreaCount)) {
        problem = "the world could not be cut into " + std::to_string(AreaCount) + " areas";
        return {};
    }
    World world;
    NumberAreas(world, regions);
    FindNeighbours(world);
    SetTerrain(world);
    FindLandmasses(world);
    PlaceMountains(world, rng);
    PlaceHomes(world, rng);
    PlaceSupply(world, rng);
    NameAreas(world, rng);
    problem = CheckWorld(world);
    return world;
}

std::string CheckWorld(const World& world) {
    std::set<std::string> names;
    for (int a = 1; a <= AreaCount; ++a) {
        const WorldArea& area = world.areas[a];
        const std::string which = "area " + std::to_string(a);
        const int size = static_cast<int>(area.cells.size());
        if (a != IceArea && (size < MinRegionCells || size > MaxRegionCells)) {
            return which + " has " + std::to_string(size) + " cells";
        }
        if (area.neighbours.size() > 14) {
            return which + " has " + std::to_string(area.neighbours.size()) + " neighbours";
        }
        if (area.name.empty() || area.name.size() > 24 || !names.insert(area.name).second) {
            return which + " has the name \"" + area.name + "\", empty, too long or repeated";
        }
    }
    return {};
}

} // namespace dered::worldgen
