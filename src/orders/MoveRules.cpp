#include "orders/MoveRules.h"

#include "app/Program.h"
#include "orders/AreaOrders.h"
#include "orders/OrderList.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"
#include "ui/GridModel.h"

#include <algorithm>

namespace dered {

namespace {

// The coast rule of a naval move compares only the first ten neighbour slots of each list.
constexpr int kCoastSlots = 10;
constexpr int kConvoyLinks = 10;

void Message(Program& program, const std::string& text, MsgIcon icon = MsgIcon::Critical) {
    program.platform.MsgBox(text, icon);
}

void Abandon(Program& program, const std::string& text) {
    Message(program, text);
    program.records.game.PendingCommand.clear();
}

std::string AreaNumber(int16_t area) {
    return SignedText(area);
}

void RefuseNotAdjacent(Program& program, int16_t from, int16_t to) {
    Abandon(program, "Areas " + AreaNumber(from) + " and " + AreaNumber(to) + " are not adjacent");
}

void Redraw(Program& program, int16_t area) {
    program.map.RedrawArea(area);
    program.map.RefreshView();
}

// Neither an ally nor an enemy, nor about to become one: entering its area is worth a word.
bool IsStranger(const GameState& game, int16_t owner) {
    return owner != game.OwnPlayer && !IsAllied(game, game.OwnPlayer, owner) &&
           !IsAtWar(game, game.OwnPlayer, owner) && !HasAllyOrder(game, owner) &&
           !HasWarOrder(game, owner);
}

bool IsLandUnit(int16_t kind) {
    return kind == Army || kind == Corps;
}

bool IsNavalUnit(int16_t kind) {
    return kind == Fleet || kind == Squadron;
}

bool ShareWaterNeighbour(const GameState& game, const AreaRecord& from, const AreaRecord& to) {
    const auto toFirst = to.Neighbour.begin();
    for (int i = 0; i < kCoastSlots; ++i) {
        const int16_t n = from.Neighbour[i];
        if (n >= 1 && n <= MaxArea &&
            std::find(toFirst, toFirst + kCoastSlots, n) != toFirst + kCoastSlots &&
            game.Areas[n].Terrain == Water) {
            return true;
        }
    }
    return false;
}

enum class Verdict { Invalid, Valid, ValidQuietly };

Verdict JudgeMove(const GameState& game, const AreaRecord& from, const AreaRecord& to) {
    if (IsLandUnit(from.UnitKind)) {
        return to.Terrain != Water ? Verdict::Valid : Verdict::Invalid;
    }
    if (to.Terrain == Land) {
        return Verdict::Invalid;
    }
    if (to.Terrain == Water || from.Terrain == Water) {
        return Verdict::Valid;
    }
    if (from.Terrain == Coast) {
        return ShareWaterNeighbour(game, from, to) ? Verdict::ValidQuietly : Verdict::Invalid;
    }
    return Verdict::Invalid;
}

bool HasMoveInto(const GameState& game, int16_t target) {
    for (int area = 1; area <= MaxArea; ++area) {
        if (game.Areas[area].Command == "MO" && game.Areas[area].Parm1 == target) {
            return true;
        }
    }
    return false;
}

// The rest of a support attack, once the dialog has said whose attack it supports.
void CompleteSupportAttack(Program& program, int16_t target) {
    GameState& game = program.records.game;
    if (game.SupportedPlayer == game.OwnPlayer) {
        if (!HasMoveInto(game, target)) {
            Message(program, "Warning, no unit attacking area " + AreaNumber(target),
                    MsgIcon::Information);
        }
        SetAreaCommand(program, "SA", target, 0);
    } else {
        SetAreaCommand(program, "SA", target, game.SupportedPlayer);
    }
    Redraw(program, AreaOrNone(game.SelectedArea));
}

} // namespace

void CheckOwnUnit(Program& program) {
    const GameState& game = program.records.game;
    if (AreaAt(game, game.SelectedArea).UnitOwner != game.OwnPlayer) {
        Abandon(program, "No unit there owned by you");
    }
}

void CheckConvoyUnit(Program& program) {
    const GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (game.Areas[area].UnitOwner != game.OwnPlayer) {
        Abandon(program, "No unit in area " + AreaNumber(area) + " owned by you");
    }
}

bool IsAdjacent(const Program& program, int16_t a, int16_t b) {
    if (b < 1 || b > MaxArea) {
        return false;
    }
    const auto& slots = AreaAt(program.records.game, a).Neighbour;
    return std::find(slots.begin(), slots.end(), b) != slots.end();
}

int16_t UnitSize(const Program& program, int16_t area) {
    return UnitKindSize(AreaAt(program.records.game, area).UnitKind);
}

bool ValidateMove(Program& program, int16_t from, int16_t to) {
    const GameState& game = program.records.game;
    from = AreaOrNone(from);
    to = AreaOrNone(to);
    const AreaRecord& f = game.Areas[from];
    const AreaRecord& t = game.Areas[to];
    const Verdict verdict = JudgeMove(game, f, t);
    if (verdict == Verdict::Invalid) {
        Message(program, "Invalid move between " + AreaNumber(from) + " and " + AreaNumber(to) +
                             " for unit");
        return false;
    }
    if (verdict == Verdict::Valid && t.Terrain != Water && IsStranger(game, t.Owner)) {
        Message(program, "Warning, not allied or at war with owner of area " + AreaNumber(to),
                MsgIcon::Exclamation);
    }
    return true;
}

int16_t FindConvoyStart(Program& program, int16_t area) {
    const GameState& game = program.records.game;
    int16_t x = area;
    for (int pass = 0; pass < kConvoyLinks; ++pass) {
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if (game.Areas[a].Command == "CO" && game.Areas[a].Parm1 == x) {
                x = a;
                if (game.Areas[a].Terrain == Coast) {
                    return UnitSize(program, a);
                }
                break;
            }
        }
    }
    Message(program, "Warning, can't find start of convoy", MsgIcon::Exclamation);
    return 0;
}

void MoveOrder(Program& program, int16_t target) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(program, area, target)) {
        return RefuseNotAdjacent(program, area, target);
    }
    SetAreaCommand(program, "MO", target, 0);
    Redraw(program, area);
}

void SupportAttackOrder(Program& program, int16_t target) {
    // One question at a time: a second continuation would store a stale order later.
    if (program.supportAttack.IsVisible()) {
        return;
    }
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(program, area, target)) {
        return RefuseNotAdjacent(program, area, target);
    }
    program.forms.Show(program.supportAttack, Modality::Modal,
                       [&program, target] { CompleteSupportAttack(program, target); });
}

void SupportDefenceOrder(Program& program, int16_t target) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(program, area, target)) {
        return RefuseNotAdjacent(program, area, target);
    }
    const AreaRecord& t = game.Areas[target];
    if (t.UnitKind != NoUnit && t.Command == "MO") {
        Message(program, "Warning, unit is leaving area " + AreaNumber(target));
    }
    if (t.UnitKind == NoUnit && !t.Command.starts_with('A')) {
        Message(program, "Warning, no unit in area " + AreaNumber(target));
    }
    SetAreaCommand(program, "SD", target, 0);
    Redraw(program, area);
}

void ConvoyOrder(Program& program, int16_t target) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    const AreaRecord& from = game.Areas[area];
    const AreaRecord& t = game.Areas[target];
    const std::string number = AreaNumber(target);
    if (t.Terrain != Water && IsStranger(game, t.Owner)) {
        Message(program, "Warning, not allied or at war with owner of area " + number,
                MsgIcon::None);
    }
    if (t.Terrain == Water) {
        if (t.UnitKind == NoUnit) {
            return Abandon(program, "No unit in area " + number + " to convoy to");
        }
        if (!t.Command.empty() && t.Command != "CO") {
            return Abandon(program, "Unit in area " + number + " already issued command");
        }
    }
    if (from.Terrain == Land && t.Terrain == Land) {
        return Abandon(program, "Can't convoy from one land area to another land area");
    }
    int16_t carried = 0;
    if (from.Terrain == Coast) {
        if (IsNavalUnit(from.UnitKind)) {
            return Abandon(program, "Can't convoy a naval unit");
        }
        carried = UnitSize(program, area);
    } else {
        carried = FindConvoyStart(program, area);
    }
    // A squadron carries only a corps.
    if (t.Terrain == Water && t.UnitKind == Squadron && carried == 2) {
        return Abandon(program, "Can't conovy an army");
    }
    SetAreaCommand(program, "CO", target, 0);
    Redraw(program, area);
}

void SpyOrder(Program& program, GridModel& grdSpy, int16_t area) {
    const int cols = std::min(grdSpy.Cols(), 6);
    for (int col = 0; col < cols; ++col) {
        if (grdSpy.TextAt(0, col).empty()) {
            SetGridCell(grdSpy, 0, col, SignedText(area));
            return;
        }
    }
    Message(program, "Already at limit of spies");
}

} // namespace dered
