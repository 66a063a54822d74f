#include "orders/ListOrders.h"

#include "orders/DiplomacyLists.h"
#include "orders/OrderList.h"
#include "state/OrderKinds.h"

#include <algorithm>

namespace dered {

namespace {

// The player's name, or its number where the report names none.
std::string Named(const GameState& game, int16_t player) {
    const std::string& name = PlayerName(game, player);
    return name.empty() ? "player " + std::to_string(player) : name;
}

bool IsOtherPlayer(const GameState& game, int16_t player) {
    const std::vector<int16_t> others = OtherPlayers(game);
    return std::find(others.begin(), others.end(), player) != others.end();
}

Outcome NotOtherPlayer(const GameState& game, int16_t player) {
    return Outcome{}.Refuse(Named(game, player) + " is not one of the other players");
}

bool Declared(const GameState& game, int16_t player) {
    for (int slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        if (order.P1 == player && HasShape(order.Code, OrderShape::OnePlayer)) {
            return true;
        }
    }
    return false;
}

// The order into the list; the event follows only a stored order.
Outcome Store(Turn& turn, std::string_view code, int16_t p1, int16_t p2) {
    const AddedOrder added = AddOrder(turn.game, code, p1, p2, 0, 0);
    if (added.slot == 0) {
        return Outcome{Ending::Refused, added.refusal};
    }
    turn.events.ListOrdersChanged();
    return Outcome{Ending::Stored, {}, added.slot};
}

} // namespace

Standing StandingOf(const GameState& game, int16_t player) {
    return IsAllied(game, game.OwnPlayer, player)  ? Standing::Ally
           : IsAtWar(game, game.OwnPlayer, player) ? Standing::Enemy
                                                   : Standing::Neutral;
}

bool WarAllowed(const GameState& game) {
    return !(game.GameYear == 1880 && game.GameTurn <= 1);
}

Outcome Declare(Turn& turn, std::string_view code, int16_t player) {
    const GameState& game = turn.game;
    if (!IsOtherPlayer(game, player)) {
        return NotOtherPlayer(game, player);
    }
    if (code == OrderCode::War && !WarAllowed(game)) {
        return Outcome{}.Refuse(kWarNotYet, MsgIcon::Information);
    }
    const bool neutral = StandingOf(game, player) == Standing::Neutral;
    if (code == OrderCode::Neutrality && neutral) {
        return Outcome{}.Refuse(Named(game, player) + " is neutral already");
    }
    if (code != OrderCode::Neutrality && !neutral) {
        return Outcome{}.Refuse(
            Named(game, player) +
            " is not neutral: alliance and war are declared on neutral players");
    }
    if (Declared(game, player)) {
        return Outcome{}.Refuse(
            "ANW command has already been issued for " + PlayerName(game, player), MsgIcon::None);
    }
    return Store(turn, code, player, 0);
}

bool CallsToArmsAllowed(const GameState& game) {
    return !(game.GameYear == 1880 && game.GameTurn <= 3);
}

// Declarations entered this turn count as well as the report's relations.
bool CanBeCalled(const GameState& game, int16_t player) {
    return IsAllied(game, game.OwnPlayer, player) || HasAllyOrder(game, player);
}

bool CanBeCalledAgainst(const GameState& game, int16_t player) {
    return !CanBeCalled(game, player) &&
           (IsAtWar(game, game.OwnPlayer, player) || HasWarOrder(game, player));
}

Outcome CallToArms(Turn& turn, int16_t ally, int16_t enemy) {
    const GameState& game = turn.game;
    if (!CallsToArmsAllowed(game)) {
        return Outcome{}.Refuse(kCallToArmsNotYet, MsgIcon::Information);
    }
    for (const int16_t player : {ally, enemy}) {
        if (!IsOtherPlayer(game, player)) {
            return NotOtherPlayer(game, player);
        }
    }
    if (!CanBeCalled(game, ally)) {
        return Outcome{}.Refuse(Named(game, ally) +
                                " is not an ally: a call to arms goes to an ally");
    }
    if (!CanBeCalledAgainst(game, enemy)) {
        return Outcome{}.Refuse(Named(game, enemy) +
                                " is not an enemy: a call to arms is against an enemy");
    }
    return Store(turn, OrderCode::CallToArms, ally, enemy);
}

namespace {

Outcome CheckGrantee(const GameState& game, int16_t player) {
    if (!IsOtherPlayer(game, player)) {
        return NotOtherPlayer(game, player);
    }
    if (StandingOf(game, player) != Standing::Ally) {
        return Outcome{}.Refuse(Named(game, player) +
                                " is not an ally: access is granted to allies only");
    }
    return {};
}

} // namespace

Outcome GrantAccess(Turn& turn, int16_t player, int16_t area) {
    const GameState& game = turn.game;
    if (Outcome checked = CheckGrantee(game, player); checked.ending == Ending::Refused) {
        return checked;
    }
    if (area < 1 || area > MaxArea || game.Areas[area].Owner != game.OwnPlayer) {
        return Outcome{}.Refuse(kMustOwnArea);
    }
    return Store(turn, OrderCode::GrantAccess, player, area);
}

Outcome GrantAccessToAll(Turn& turn, int16_t player) {
    if (Outcome checked = CheckGrantee(turn.game, player); checked.ending == Ending::Refused) {
        return checked;
    }
    return Store(turn, OrderCode::GrantAccess, player, -1);
}

SpyRow SpyRowOf(const GameState& game) {
    const OrderSlot& first = game.Orders[1];
    const OrderSlot& second = game.Orders[2];
    return {first.P1, first.P2, first.P3, first.P4, second.P1, second.P2};
}

SpyPlace NextSpyPlace(const std::array<bool, kSpyTargets>& taken) {
    const auto free = std::find(taken.begin(), taken.end(), false);
    if (free == taken.end()) {
        return {-1, Outcome{}.Refuse(kSpyLimit)};
    }
    return {static_cast<int>(free - taken.begin()), {}};
}

Outcome AddSpyTargets(Turn& turn, const std::vector<int16_t>& areas) {
    GameState& game = turn.game;
    SpyRow row = SpyRowOf(game);
    for (const int16_t area : areas) {
        std::array<bool, kSpyTargets> taken{};
        std::transform(row.begin(), row.end(), taken.begin(), [](int16_t t) { return t > 0; });
        const SpyPlace next = NextSpyPlace(taken);
        if (next.place < 0) {
            return next.refusal;
        }
        row[static_cast<size_t>(next.place)] = area;
    }
    // Free places are written as 0, as the spy window writes them.
    for (int16_t& target : row) {
        target = std::max<int16_t>(target, 0);
    }
    const std::string code(OrderCode::Spy);
    game.Orders[1] = OrderSlot{code, 0, row[0], row[1], row[2], row[3]};
    game.Orders[2] = OrderSlot{code, 0, row[4], row[5], 0, 0};
    turn.events.ListOrdersChanged();
    return Outcome{Ending::Stored, {}, 1};
}

bool VictoryConditionsAllowed(const GameState& game) {
    return game.GameYear == 1880 && game.GameTurn == 1;
}

std::optional<std::array<int16_t, 2>> TakeOutVictoryConditions(GameState& game) {
    for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        if (order.Code == OrderCode::Victory) {
            const std::array<int16_t, 2> values = {order.P1, order.P2};
            DeleteOrder(game, slot);
            return values;
        }
    }
    return std::nullopt;
}

Outcome PutVictoryConditions(Turn& turn, int16_t turns, int16_t points) {
    return Store(turn, OrderCode::Victory, turns, points);
}

Outcome SetVictoryConditions(Turn& turn, int16_t turns, int16_t points) {
    if (!VictoryConditionsAllowed(turn.game)) {
        return Outcome{}.Refuse(kVictoryConditionsNotNow, MsgIcon::Information);
    }
    // The new order takes the room of the old one; only a first one can find the list full.
    (void)TakeOutVictoryConditions(turn.game);
    return PutVictoryConditions(turn, turns, points);
}

} // namespace dered
