#include "orders/UnitRules.h"

#include "orders/AreaOrders.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

#include <array>
#include <string_view>

namespace dered {

namespace {

constexpr std::array<std::string_view, 5> kBuildCodes = {
    "", OrderCode::AddArmy, OrderCode::AddCorps, OrderCode::AddFleet, OrderCode::AddSquadron};

Outcome Refuse(std::string text) {
    Outcome outcome;
    return outcome.Refuse(std::move(text));
}

// The rule is done with the area: it is shown anew.
Outcome Settle(Turn& turn, int16_t area, Outcome stored) {
    turn.events.AreaOrderChanged(area);
    return stored;
}

std::string AreaText(int16_t area, const char* rest) {
    return "Area " + SignedText(area) + rest;
}

bool IsSmall(int16_t kind) {
    return kind == Corps || kind == Squadron;
}

// An order on one of the player's own units: nothing to do when it is given already, refused
// while the free supply does not open it or the unit is someone else's; else `rest` goes on
// with the area and its record.
template <typename Rest>
Outcome OwnUnitOrder(Turn& turn, int16_t area, std::string_view code, bool supplyOpen,
                     const char* supplyText, Rest rest) {
    const TurnEvents::Batch change(turn.events);
    const GameState& game = turn.game;
    area = AreaOrNone(area);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == code) {
        return {};
    }
    if (!supplyOpen) {
        return Refuse(supplyText);
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse("No unit there owned by you");
    }
    return rest(area, a);
}

} // namespace

Outcome BuildUnit(Turn& turn, int16_t area, int16_t kind) {
    const TurnEvents::Batch change(turn.events);
    if (kind < Army || kind > Squadron) {
        return {};
    }
    GameState& game = turn.game;
    area = AreaOrNone(area);
    const AreaRecord& a = game.Areas[area];
    const std::string_view code = kBuildCodes[kind];
    const int16_t cost = UnitKindSize(kind);
    if (a.Command == code) {
        return {};
    }
    if (a.Owner != game.OwnPlayer) {
        return Refuse(AreaText(area, " not owned by you"));
    }
    if (a.UnitKind != NoUnit) {
        return Refuse(AreaText(area, " already has a unit in it"));
    }
    if (a.Supply < cost) {
        return Refuse(AreaText(area, " not proper sized supply centre"));
    }
    // The points the replaced order holds are not counted as free here.
    if (game.Summary.FreeSupply < cost) {
        return Refuse("Not enough supply points available to build unit");
    }
    if ((kind == Fleet || kind == Squadron) && a.Terrain != Coast) {
        return Refuse("Must be a coastal area to add a fleet or squadron");
    }
    Outcome stored = SetAreaCommand(turn, area, code, 0, 0);
    AdjustSupply(turn, static_cast<int16_t>(-cost));
    return Settle(turn, area, stored);
}

Outcome UpgradeUnit(Turn& turn, int16_t area) {
    return OwnUnitOrder(turn, area, OrderCode::Upgrade, turn.game.Summary.FreeSupply > 0,
                        "No supply available to upgrade any units",
                        [&turn](int16_t at, const AreaRecord& a) {
                            if (a.Supply == 0) {
                                return Refuse(AreaText(at, " not a supply center"));
                            }
                            if (!IsSmall(a.UnitKind)) {
                                return Refuse("Can only upgrade a corps or squadron");
                            }
                            Outcome stored = SetAreaCommand(turn, at, OrderCode::Upgrade, 0, 0);
                            AdjustSupply(turn, -1);
                            return Settle(turn, at, stored);
                        });
}

// Downgrading is open only while the player is short of supply.
Outcome DowngradeUnit(Turn& turn, int16_t area) {
    return OwnUnitOrder(
        turn, area, OrderCode::Downgrade, turn.game.Summary.FreeSupply < 0,
        "Not allowed to downgrade any units", [&turn](int16_t at, const AreaRecord& a) {
            if (IsSmall(a.UnitKind)) {
                return Refuse("Can't downgrade corps or squadrons");
            }
            AdjustSupply(turn, 1);
            return Settle(turn, at, SetAreaCommand(turn, at, OrderCode::Downgrade, 0, 0));
        });
}

Outcome RemoveUnit(Turn& turn, int16_t area) {
    return OwnUnitOrder(turn, area, OrderCode::Remove, turn.game.Summary.FreeSupply < 0,
                        "Not allowed to remove any units",
                        [&turn](int16_t at, const AreaRecord& a) {
                            Outcome stored = SetAreaCommand(turn, at, OrderCode::Remove, 0, 0);
                            const int16_t refund = UnitKindSize(a.UnitKind);
                            if (refund != 0) {
                                AdjustSupply(turn, refund);
                            }
                            return Settle(turn, at, stored);
                        });
}

} // namespace dered
