#include "orders/Reach.h"

#include "orders/MoveRules.h"
#include "state/CodeTables.h"

#include <bitset>

namespace dered {

namespace {

struct Reached {
    int16_t area;
    Reacher reacher;
};

bool IsArea(int16_t n) {
    return n >= 1 && n <= MaxArea;
}

// The convoy goes one water area out: the fleet or squadron next to the coast, a coast
// beyond it. Areas the unit can step into are not counted twice.
void AddConvoys(const GameState& game, int16_t from, std::bitset<MaxArea + 1>& seen,
                std::vector<Reached>& out) {
    const AreaRecord& unit = game.Areas[from];
    for (const int16_t w : unit.Neighbour) {
        if (!IsArea(w)) {
            continue;
        }
        const AreaRecord& water = game.Areas[w];
        if (water.Terrain != Water || water.UnitOwner != unit.UnitOwner ||
            (water.UnitKind != Fleet && water.UnitKind != Squadron) ||
            !CanCarry(water.UnitKind, UnitKindSize(unit.UnitKind))) {
            continue;
        }
        for (const int16_t c : water.Neighbour) {
            if (IsArea(c) && c != from && !seen[c] && game.Areas[c].Terrain == Coast) {
                seen.set(c);
                out.push_back({c, {from, unit.UnitOwner, unit.UnitKind, ReachWay::Convoy}});
            }
        }
    }
}

void AddUnit(const GameState& game, int16_t from, std::vector<Reached>& out) {
    const AreaRecord& unit = game.Areas[from];
    std::bitset<MaxArea + 1> seen;
    // A neighbour slot holding an area is exactly what IsAdjacent looks for.
    for (const int16_t to : unit.Neighbour) {
        if (IsArea(to) && !seen[to] && MoveIsValid(game, from, to)) {
            seen.set(to);
            out.push_back({to, {from, unit.UnitOwner, unit.UnitKind, ReachWay::Step}});
        }
    }
    if ((unit.UnitKind == Army || unit.UnitKind == Corps) && unit.Terrain == Coast) {
        AddConvoys(game, from, seen, out);
    }
}

} // namespace

ReachMap::ReachMap(const GameState& game) {
    std::vector<Reached> found;
    found.reserve(1024);
    for (int16_t from = 1; from <= MaxArea; ++from) {
        const int16_t kind = game.Areas[from].UnitKind;
        if (kind >= Army && kind <= Squadron) {
            AddUnit(game, from, found);
        }
    }
    // A counting sort by the area reached keeps each group in the order of the units' areas.
    std::array<uint32_t, MaxArea + 2> count{};
    for (const Reached& r : found) {
        ++count[r.area];
    }
    for (int a = 1; a <= MaxArea + 1; ++a) {
        first_[a] = static_cast<uint32_t>(first_[a - 1] + count[a - 1]);
    }
    reachers_.resize(found.size());
    std::array<uint32_t, MaxArea + 2> next = first_;
    for (const Reached& r : found) {
        reachers_[next[r.area]++] = r.reacher;
    }
}

std::span<const Reacher> ReachMap::Into(int16_t area) const {
    if (!IsArea(area)) {
        return {};
    }
    return std::span(reachers_).subspan(first_[area], first_[area + 1] - first_[area]);
}

} // namespace dered
