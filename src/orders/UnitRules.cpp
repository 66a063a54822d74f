#include "orders/UnitRules.h"

#include "app/Program.h"
#include "orders/AreaOrders.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"

#include <array>

namespace dered {

namespace {

constexpr std::array<const char*, 5> kBuildCodes = {"", "AA", "AC", "AF", "AS"};

void Refuse(Program& program, const std::string& text) {
    program.platform.MsgBox(text, MsgIcon::Critical);
}

std::string AreaText(int16_t area, const char* rest) {
    return "Area " + SignedText(area) + rest;
}

void Redraw(Program& program, int16_t area) {
    program.map.RedrawArea(area);
    program.map.RefreshView();
}

bool IsSmall(int16_t kind) {
    return kind == Corps || kind == Squadron;
}

} // namespace

void BuildUnit(Program& program, int16_t kind) {
    if (kind < Army || kind > Squadron) {
        return;
    }
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    const std::string code = kBuildCodes[kind];
    const int16_t cost = UnitKindSize(kind);
    if (a.Command == code) {
        return;
    }
    if (a.Owner != game.OwnPlayer) {
        return Refuse(program, AreaText(area, " not owned by you"));
    }
    if (a.UnitKind != NoUnit) {
        return Refuse(program, AreaText(area, " already has a unit in it"));
    }
    if (a.Supply < cost) {
        return Refuse(program, AreaText(area, " not proper sized supply centre"));
    }
    // The points the replaced order holds are not counted as free here.
    if (game.Summary.FreeSupply < cost) {
        return Refuse(program, "Not enough supply points available to build unit");
    }
    if ((kind == Fleet || kind == Squadron) && a.Terrain != Coast) {
        return Refuse(program, "Must be a coastal area to add a fleet or squadron");
    }
    SetAreaCommand(program, code, 0, 0);
    AdjustSupply(program, static_cast<int16_t>(-cost));
    Redraw(program, area);
}

void UpgradeUnit(Program& program) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "UU") {
        return;
    }
    if (game.Summary.FreeSupply <= 0) {
        return Refuse(program, "No supply available to upgrade any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(program, "No unit there owned by you");
    }
    if (a.Supply == 0) {
        return Refuse(program, AreaText(area, " not a supply center"));
    }
    if (!IsSmall(a.UnitKind)) {
        return Refuse(program, "Can only upgrade a corps or squadron");
    }
    SetAreaCommand(program, "UU", 0, 0);
    Redraw(program, area);
    AdjustSupply(program, -1);
}

void DowngradeUnit(Program& program) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "DU") {
        return;
    }
    // Downgrading is open only while the player is short of supply.
    if (game.Summary.FreeSupply >= 0) {
        return Refuse(program, "Not allowed to downgrade any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(program, "No unit there owned by you");
    }
    if (IsSmall(a.UnitKind)) {
        return Refuse(program, "Can't downgrade corps or squadrons");
    }
    AdjustSupply(program, 1);
    SetAreaCommand(program, "DU", 0, 0);
    Redraw(program, area);
}

void RemoveUnit(Program& program) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    const AreaRecord& a = game.Areas[area];
    if (a.Command == "RU") {
        return;
    }
    if (game.Summary.FreeSupply >= 0) {
        return Refuse(program, "Not allowed to remove any units");
    }
    if (a.UnitOwner != game.OwnPlayer) {
        return Refuse(program, "No unit there owned by you");
    }
    SetAreaCommand(program, "RU", 0, 0);
    const int16_t refund = UnitKindSize(a.UnitKind);
    if (refund != 0) {
        AdjustSupply(program, refund);
    }
    Redraw(program, area);
}

} // namespace dered
