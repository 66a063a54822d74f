#include "turns/TurnComparison.h"

#include <algorithm>

namespace dered {

namespace {

// Owner 12 stands for "not in the report" unless the game has a twelfth player.
bool Covered(const GameState& game, const AreaRecord& area) {
    return area.Owner != NoReportData || game.PlayerCount >= NoReportData;
}

bool IsPlayer(int16_t p) {
    return p >= 0 && p <= MaxPlayer;
}

} // namespace

PlayerTallies TallyPlayers(const GameState& game, const GameState& map) {
    PlayerTallies out{};
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        if (!Covered(game, area)) {
            continue;
        }
        if (IsPlayer(area.Owner)) {
            ++out[area.Owner].areas;
            out[area.Owner].supplyCentres += std::max<int>(map.Areas[a].Supply, 0);
        }
        if (area.UnitKind > 0 && IsPlayer(area.UnitOwner)) {
            ++out[area.UnitOwner].units;
        }
    }
    return out;
}

TurnComparison CompareTurns(const GameState& then, const GameState& now) {
    TurnComparison result;
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& before = then.Areas[a];
        const AreaRecord& after = now.Areas[a];
        if (!Covered(then, before) || !Covered(now, after)) {
            continue;
        }
        if (before.Owner != after.Owner) {
            result.owners.push_back({a, before.Owner, after.Owner});
        }
        // Without a unit the owner field says nothing.
        const int16_t ownerBefore = before.UnitKind > 0 ? before.UnitOwner : 0;
        const int16_t ownerAfter = after.UnitKind > 0 ? after.UnitOwner : 0;
        if (before.UnitKind != after.UnitKind || ownerBefore != ownerAfter) {
            result.units.push_back({a, before.UnitKind, ownerBefore, after.UnitKind, ownerAfter});
        }
    }
    result.then = TallyPlayers(then, now);
    result.now = TallyPlayers(now, now);
    return result;
}

} // namespace dered
