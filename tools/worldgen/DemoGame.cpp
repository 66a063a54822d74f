#include "DemoGame.h"

#include "state/CodeTables.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace dered::worldgen {

namespace {

constexpr int PlayerCount = 8; // players 0..8: neutral, seven powers, and the empty last line
constexpr int Powers = 7;
constexpr int OwnPlayer = 3;
constexpr int Ally = 5;
constexpr int StartAreas = 6;
constexpr int OwnStartSupply = 10;
constexpr int OwnMaxAreas = 10;

struct PlayerLine {
    const char* abbrev;
    const char* name;
};

const PlayerLine PlayerLines[PlayerCount + 1] = {
    {"NEU", "Neutral"},         {"ALD", "Aldmark Republic"}, {"TORV", "Torvish Empire"},
    {"ESK", "Eskarin Kingdom"}, {"VEL", "Velorian League"},  {"BRIM", "Brimwend Union"},
    {"SAL", "Salorn Dominion"}, {"QUAR", "Quarish Compact"}, {"---", "No power"},
};

// The true state of the game on one turn; each report shows a part of it.
struct Truth {
    std::array<int16_t, AreaCount + 1> owner{};
    std::array<int16_t, AreaCount + 1> unitOwner{};
    std::array<int16_t, AreaCount + 1> unitKind{};
    std::array<std::array<char, PlayerCount + 1>, PlayerCount + 1> relation{};
};

struct Report {
    int16_t player;
    const char* code;
    int16_t year;
    int16_t turn;
    std::vector<int> areas; // ascending
};

bool IsLand(const WorldArea& area) {
    return area.kind == Kind::Land && area.terrain != 4;
}

bool IsSea(const WorldArea& area) {
    return area.terrain == 3;
}

int UnitSize(int16_t kind) {
    return kind == Army || kind == Fleet ? 2 : (kind == NoUnit ? 0 : 1);
}

// How much an unclaimed area is worth to a power: its own supply first, then the supply it
// leads on to.
int ClaimValue(const World& world, const Truth& truth, int area) {
    int beyond = 0;
    for (int n : world.areas[area].neighbours) {
        if (IsLand(world.areas[n]) && truth.owner[n] == 0) {
            beyond = std::max(beyond, static_cast<int>(world.areas[n].supply));
        }
    }
    return world.areas[area].supply * 10 + beyond;
}

// Each power spreads from its home over the land next to it, richest areas first, one
// area a round so that no power crowds out another. The own power goes on until its land
// feeds every kind of unit with supply to spare.
void ClaimTerritories(const World& world, Truth& truth) {
    std::array<int, Powers + 1> areas{};
    for (int p = 1; p <= Powers; ++p) {
        truth.owner[world.homes[p - 1]] = static_cast<int16_t>(p);
        areas[p] = 1;
    }
    for (bool claimed = true; claimed;) {
        claimed = false;
        for (int p = 1; p <= Powers; ++p) {
            int supply = 0;
            for (int a = 1; a <= AreaCount; ++a) {
                supply += truth.owner[a] == p ? world.areas[a].supply : 0;
            }
            const bool more = areas[p] < StartAreas ||
                              (p == OwnPlayer && supply < OwnStartSupply && areas[p] < OwnMaxAreas);
            int best = 0;
            for (int a = 1; more && a <= AreaCount; ++a) {
                if (truth.owner[a] != p) {
                    continue;
                }
                for (int n : world.areas[a].neighbours) {
                    if (IsLand(world.areas[n]) && truth.owner[n] == 0 &&
                        (best == 0 ||
                         ClaimValue(world, truth, n) > ClaimValue(world, truth, best) ||
                         (ClaimValue(world, truth, n) == ClaimValue(world, truth, best) &&
                          n < best))) {
                        best = n;
                    }
                }
            }
            if (best != 0) {
                truth.owner[best] = static_cast<int16_t>(p);
                ++areas[p];
                claimed = true;
            }
        }
    }
}

void PlaceUnit(Truth& truth, int area, int player, int16_t kind) {
    truth.unitOwner[area] = static_cast<int16_t>(player);
    truth.unitKind[area] = kind;
}

std::vector<int> OwnedBy(const Truth& truth, int player) {
    std::vector<int> out;
    for (int a = 1; a <= AreaCount; ++a) {
        if (truth.owner[a] == player) {
            out.push_back(a);
        }
    }
    return out;
}

int FirstSeaNeighbour(const World& world, int area, const std::set<int>& skip) {
    for (int n : world.areas[area].neighbours) {
        if (IsSea(world.areas[n]) && !skip.count(n)) {
            return n;
        }
    }
    return 0;
}

// The own power's units: an army on a coast beside a sea that an own fleet holds (a convoy),
// a squadron at sea, a corps on a supply centre (an upgrade), an army inland (moves and
// supports), and one supply centre left empty for a build.
struct OwnPlacement {
    int coast = 0;
    int fleetSea = 0;
    int squadronSea = 0;
    int corps = 0;
    int inlandArmy = 0;
    int freeCentre = 0;
};

int FirstOwn(const std::vector<int>& own, auto&& fits) {
    for (int a : own) {
        if (fits(a)) {
            return a;
        }
    }
    return 0;
}

OwnPlacement PlaceOwnUnits(const World& world, Truth& truth) {
    OwnPlacement place;
    const std::vector<int> own = OwnedBy(truth, OwnPlayer);
    const int home = world.homes[OwnPlayer - 1];
    const auto coastalCentre = [&](int a) {
        return world.areas[a].supply >= 2 && world.areas[a].terrain == 2;
    };
    // Builds of every kind need a coastal centre of size 2 or more; the home is the natural one.
    place.freeCentre = coastalCentre(home) ? home : FirstOwn(own, coastalCentre);
    place.coast = FirstOwn(own, [&](int a) {
        return a != place.freeCentre && world.areas[a].terrain == 2 &&
               FirstSeaNeighbour(world, a, {});
    });
    if (place.coast) {
        place.fleetSea = FirstSeaNeighbour(world, place.coast, {});
    }
    place.corps = FirstOwn(own, [&](int a) {
        return a != place.freeCentre && a != place.coast && world.areas[a].supply > 0;
    });
    // The squadron waits off the corps' coast, where it can carry the corps.
    if (place.corps) {
        place.squadronSea = FirstSeaNeighbour(world, place.corps, {place.fleetSea});
    }
    if (!place.squadronSea) {
        for (int a : own) {
            place.squadronSea = place.squadronSea ? place.squadronSea
                                                  : FirstSeaNeighbour(world, a, {place.fleetSea});
        }
    }
    place.inlandArmy = FirstOwn(
        own, [&](int a) { return a != place.freeCentre && a != place.coast && a != place.corps; });
    if (!place.coast || !place.fleetSea || !place.squadronSea || !place.freeCentre ||
        !place.corps || !place.inlandArmy) {
        return {};
    }
    PlaceUnit(truth, place.coast, OwnPlayer, Army);
    truth.owner[place.fleetSea] = OwnPlayer;
    PlaceUnit(truth, place.fleetSea, OwnPlayer, Fleet);
    PlaceUnit(truth, place.squadronSea, OwnPlayer, Squadron);
    PlaceUnit(truth, place.corps, OwnPlayer, Corps);
    PlaceUnit(truth, place.inlandArmy, OwnPlayer, Army);
    return place;
}

// The other powers keep an army at home and a corps on their next supply centre.
void PlaceOtherUnits(const World& world, Truth& truth) {
    for (int p = 1; p <= Powers; ++p) {
        if (p == OwnPlayer) {
            continue;
        }
        PlaceUnit(truth, world.homes[p - 1], p, Army);
        for (int a : OwnedBy(truth, p)) {
            if (a != world.homes[p - 1] && world.areas[a].supply > 0) {
                PlaceUnit(truth, a, p, Corps);
                break;
            }
        }
    }
}

int Supply(const World& world, const Truth& truth, int player) {
    int total = 0;
    for (int a = 1; a <= AreaCount; ++a) {
        total += truth.owner[a] == player ? world.areas[a].supply : 0;
    }
    return total;
}

int Upkeep(const Truth& truth, int player) {
    int total = 0;
    for (int a = 1; a <= AreaCount; ++a) {
        total += truth.unitOwner[a] == player ? UnitSize(truth.unitKind[a]) : 0;
    }
    return total;
}

// The power whose home is nearest the own one (in steps over the map), the ally aside.
int NearestRival(const World& world) {
    const int home = world.homes[OwnPlayer - 1];
    std::vector<int> dist(AreaCount + 1, -1);
    std::vector<int> queue{home};
    dist[home] = 0;
    for (size_t i = 0; i < queue.size(); ++i) {
        for (int n : world.areas[queue[i]].neighbours) {
            if (n != IceArea && dist[n] < 0) {
                dist[n] = dist[queue[i]] + 1;
                queue.push_back(n);
            }
        }
    }
    int rival = 0;
    for (int p = 1; p <= Powers; ++p) {
        const int d = dist[world.homes[p - 1]];
        if (p != OwnPlayer && p != Ally && (rival == 0 || d < dist[world.homes[rival - 1]])) {
            rival = p;
        }
    }
    return rival;
}

void SetRelations(Truth& truth, int rival) {
    for (auto& row : truth.relation) {
        row.fill('N');
    }
    truth.relation[OwnPlayer][Ally] = 'A';
    truth.relation[Ally][OwnPlayer] = 'A';
    truth.relation[OwnPlayer][rival] = 'W';
    truth.relation[rival][OwnPlayer] = 'W';
}

// What a power sees: its own areas, their neighbours, and the seas next to those seas.
std::vector<int> VisibleAreas(const World& world, const Truth& truth, int player) {
    std::set<int> seen;
    for (int a : OwnedBy(truth, player)) {
        seen.insert(a);
        for (int n : world.areas[a].neighbours) {
            seen.insert(n);
        }
    }
    for (int a = 1; a <= AreaCount; ++a) {
        if (truth.unitOwner[a] == player && truth.unitKind[a] != 0) {
            seen.insert(a);
            for (int n : world.areas[a].neighbours) {
                seen.insert(n);
            }
        }
    }
    std::set<int> around = seen;
    for (int a : seen) {
        if (!IsSea(world.areas[a])) {
            continue;
        }
        for (int n : world.areas[a].neighbours) {
            if (IsSea(world.areas[n])) {
                around.insert(n);
            }
        }
    }
    around.erase(IceArea);
    return {around.begin(), around.end()};
}

std::string ReportText(const Truth& truth, const Report& report) {
    std::ostringstream out;
    out << "Der-ED demo game,Turn report from the game master\r\n";
    out << "For the eyes of the named power only\r\n";
    out << "QZ001\r\n";
    out << report.player << ',' << report.code << ',' << report.year << ',' << report.turn
        << "\r\n";
    out << "Number of Players =," << PlayerCount << "\r\n";
    for (int p = 0; p <= PlayerCount; ++p) {
        out << PlayerLines[p].abbrev << ',' << PlayerLines[p].name << ',';
        out << std::string(truth.relation[p].begin(), truth.relation[p].end()) << "\r\n";
    }
    out << "Number of Areas =," << report.areas.size() << "\r\n";
    for (int a : report.areas) {
        out << a << ',' << truth.owner[a] << ',' << truth.unitOwner[a] << ',' << truth.unitKind[a]
            << "\r\n";
    }
    return out.str();
}

std::string WriteReport(const std::string& dir, const std::string& file, const std::string& text) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::ofstream out(dir + "/" + file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        return "cannot write " + dir + "/" + file;
    }
    return {};
}

// An area both reports show, neutral and empty in the own report, that the ally's report
// gives to the ally: the one disagreement that merging shows.
int DisputedArea(const World& world, const Truth& truth, const std::vector<int>& ownView) {
    for (int a : ownView) {
        if (IsLand(world.areas[a]) && truth.owner[a] == 0 && truth.unitKind[a] == 0) {
            return a;
        }
    }
    return 0;
}

// A year and a half later the own power has raised an army at home, and the rival has
// taken supply centres from it: the upkeep now outruns the supply.
Truth LaterTurn(const World& world, const Truth& start, int rival, const OwnPlacement& place) {
    Truth later = start;
    PlaceUnit(later, place.freeCentre, OwnPlayer, Army);
    const auto free = [&] { return Supply(world, later, OwnPlayer) - Upkeep(later, OwnPlayer); };
    bool first = true;
    for (int a : OwnedBy(later, OwnPlayer)) {
        if (free() > -2 && world.areas[a].supply > 0 && later.unitKind[a] == 0) {
            later.owner[a] = static_cast<int16_t>(rival);
            if (first) {
                PlaceUnit(later, a, rival, Army);
                first = false;
            }
        }
    }
    return later;
}

} // namespace

std::string WriteDemoGame(const World& world, const std::string& outDir) {
    Truth truth;
    ClaimTerritories(world, truth);
    const int rival = NearestRival(world);
    SetRelations(truth, rival);
    const OwnPlacement place = PlaceOwnUnits(world, truth);
    PlaceOtherUnits(world, truth);
    if (!place.coast) {
        return "the own power's land has no room for every kind of unit";
    }

    if (Supply(world, truth, OwnPlayer) - Upkeep(truth, OwnPlayer) < 2) {
        return "the own power has too little supply to build";
    }
    const Report own{OwnPlayer, "ESK-4417", 1880, 1, VisibleAreas(world, truth, OwnPlayer)};
    Report ally{Ally, "BRIM-2093", 1880, 1, VisibleAreas(world, truth, Ally)};
    const int disputed = DisputedArea(world, truth, own.areas);
    if (!disputed) {
        return "no area for the ally's report to disagree on";
    }
    Truth allyView = truth;
    allyView.owner[disputed] = Ally;
    std::set<int> allyAreas(ally.areas.begin(), ally.areas.end());
    allyAreas.insert(disputed);
    ally.areas.assign(allyAreas.begin(), allyAreas.end());

    const Truth later = LaterTurn(world, truth, rival, place);
    if (Supply(world, later, OwnPlayer) - Upkeep(later, OwnPlayer) >= 0) {
        return "the later turn leaves the own power with supply to spare";
    }
    const Report late{OwnPlayer, "ESK-4417", 1881, 2, VisibleAreas(world, later, OwnPlayer)};

    const std::string demo = outDir + "/demo";
    std::string problem = WriteReport(demo + "/1880-1", "plyrdata.003", ReportText(truth, own));
    if (problem.empty()) {
        problem = WriteReport(demo + "/1880-1", "plyrdata.005", ReportText(allyView, ally));
    }
    if (problem.empty()) {
        problem = WriteReport(demo + "/1881-2", "plyrdata.003", ReportText(later, late));
    }
    return problem;
}

} // namespace dered::worldgen
