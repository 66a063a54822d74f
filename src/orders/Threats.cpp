#include "orders/Threats.h"

#include "orders/OrderList.h"
#include "state/CodeTables.h"

#include <algorithm>
#include <tuple>

namespace dered {

bool IsRival(const GameState& game, int16_t player) {
    return player != game.OwnPlayer && !IsAllied(game, game.OwnPlayer, player);
}

ReachBalance BalanceOf(const GameState& game, const ReachMap& reach, int16_t area) {
    ReachBalance balance;
    for (const Reacher& r : reach.Into(area)) {
        if (IsRival(game, r.owner)) {
            ++balance.threat;
        } else if (r.way == ReachWay::Step) {
            ++balance.cover;
        }
    }
    if (area >= 1 && area <= MaxArea) {
        const AreaRecord& a = game.Areas[area];
        if (a.UnitKind != NoUnit && !IsRival(game, a.UnitOwner)) {
            ++balance.cover;
        }
    }
    return balance;
}

namespace {

void AddPart(const GameState& game, const ReachMap& reach, ThreatTo what,
             std::vector<Threat>& out) {
    const auto part = out.size();
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        const bool own = what == ThreatTo::SupplyCentre
                             ? area.Owner == game.OwnPlayer && area.Supply > 0
                             : area.UnitOwner == game.OwnPlayer && area.UnitKind != NoUnit;
        if (!own) {
            continue;
        }
        const ReachBalance balance = BalanceOf(game, reach, a);
        if (balance.threat > 0) {
            out.push_back({what, a, balance});
        }
    }
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(part), out.end(),
                     [](const Threat& x, const Threat& y) {
                         return std::tuple(x.balance.Margin(), x.balance.threat) >
                                std::tuple(y.balance.Margin(), y.balance.threat);
                     });
}

} // namespace

std::vector<Threat> FindThreats(const GameState& game, const ReachMap& reach) {
    std::vector<Threat> threats;
    AddPart(game, reach, ThreatTo::SupplyCentre, threats);
    AddPart(game, reach, ThreatTo::Unit, threats);
    return threats;
}

} // namespace dered
