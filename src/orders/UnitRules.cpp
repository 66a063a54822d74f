#include "orders/UnitRules.h"

#include "orders/AreaOrders.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"

#include <array>

namespace dered {

namespace {

constexpr std::array<const char*, 5> kBuildCodes = {"", "AA", "AC", "AF", "AS"};

void Refuse(Turn& turn, const std::string& text) {
    turn.platform.MsgBox(text, MsgIcon::Critical);
}

std::string AreaText(int16_t area, const char* rest) {
    return "Area " + SignedText(area) + rest;
}

bool IsSmall(int16_t kind) {
    return kind == Corps || kind == Squadron;
}

} // namespace

void BuildUnit(Turn& turn, int16_t kind) {
    if (kind < Army || kind > Squadron) {
        return;
    }
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    const std::string code = kBuildCodes[kind];
    const int16_t cost = UnitKindSize(kind);
    if (a.Command == code) {
        return;
    }
    if (a.Owner != game.OwnPlayer) {
        return Refuse(turn, AreaText(area, " not owned by you"));
    }
    if (a.UnitKind != NoUnit) {
        return Refuse(turn, AreaText(area, " already has a unit in it"));
    }
    if (a.Supply < cost) {
        return Refuse(turn, AreaText(area, " not proper sized supply centre"));
    }
    // The points the replaced order holds are not counted as free here.
    if (game.Summary.FreeSupply < cost) {
        return Refuse(turn, "Not enough supply points available to build unit");
    }
    if ((kind == Fleet || kind == Squadron) && a.Terrain != Coast) {
        return Refuse(turn, "Must be a coastal area to add a fleet or squadron");
    }
    SetAreaCommand(turn, code, 0, 0);
    AdjustSupply(turn, static_cast<int16_t>(-cost));
    turn.events.AreaSettled(area);
}

void UpgradeUnit(Turn& turn) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "UU") {
        return;
    }
    if (game.Summary.FreeSupply <= 0) {
        return Refuse(turn, "No supply available to upgrade any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(turn, "No unit there owned by you");
    }
    if (a.Supply == 0) {
        return Refuse(turn, AreaText(area, " not a supply center"));
    }
    if (!IsSmall(a.UnitKind)) {
        return Refuse(turn, "Can only upgrade a corps or squadron");
    }
    SetAreaCommand(turn, "UU", 0, 0);
    AdjustSupply(turn, -1);
    turn.events.AreaSettled(area);
}

void DowngradeUnit(Turn& turn) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "DU") {
        return;
    }
    // Downgrading is open only while the player is short of supply.
    if (game.Summary.FreeSupply >= 0) {
        return Refuse(turn, "Not allowed to downgrade any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(turn, "No unit there owned by you");
    }
    if (IsSmall(a.UnitKind)) {
        return Refuse(turn, "Can't downgrade corps or squadrons");
    }
    AdjustSupply(turn, 1);
    SetAreaCommand(turn, "DU", 0, 0);
    turn.events.AreaSettled(area);
}

void RemoveUnit(Turn& turn) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "RU") {
        return;
    }
    if (game.Summary.FreeSupply >= 0) {
        return Refuse(turn, "Not allowed to remove any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(turn, "No unit there owned by you");
    }
    SetAreaCommand(turn, "RU", 0, 0);
    const int16_t refund = UnitKindSize(a.UnitKind);
    if (refund != 0) {
        AdjustSupply(turn, refund);
    }
    turn.events.AreaSettled(area);
}

} // namespace dered
