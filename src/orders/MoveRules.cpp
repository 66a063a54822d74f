#include "orders/MoveRules.h"

#include "orders/AreaOrders.h"
#include "orders/OrderList.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"

#include <algorithm>

namespace dered {

namespace {

// The coast rule of a naval move compares only the first ten neighbour slots of each list.
constexpr int kCoastSlots = 10;
constexpr int kConvoyLinks = 10;

void Message(Turn& turn, const std::string& text, MsgIcon icon = MsgIcon::Critical) {
    turn.platform.MsgBox(text, icon);
}

void Abandon(Turn& turn, const std::string& text) {
    Message(turn, text);
    turn.game.PendingCommand = MapCommand::None;
}

std::string AreaNumber(int16_t area) {
    return SignedText(area);
}

void RefuseNotAdjacent(Turn& turn, int16_t from, int16_t to) {
    Abandon(turn, "Areas " + AreaNumber(from) + " and " + AreaNumber(to) + " are not adjacent");
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
void CompleteSupportAttack(Turn& turn, int16_t target) {
    GameState& game = turn.game;
    if (game.SupportedPlayer == game.OwnPlayer) {
        if (!HasMoveInto(game, target)) {
            Message(turn, "Warning, no unit attacking area " + AreaNumber(target),
                    MsgIcon::Information);
        }
        SetAreaCommand(turn, "SA", target, 0);
    } else {
        SetAreaCommand(turn, "SA", target, game.SupportedPlayer);
    }
    turn.events.AreaSettled(AreaOrNone(game.SelectedArea));
}

} // namespace

void CheckOwnUnit(Turn& turn) {
    const GameState& game = turn.game;
    if (AreaAt(game, game.SelectedArea).UnitOwner != game.OwnPlayer) {
        Abandon(turn, "No unit there owned by you");
    }
}

void CheckConvoyUnit(Turn& turn) {
    const GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (game.Areas[area].UnitOwner != game.OwnPlayer) {
        Abandon(turn, "No unit in area " + AreaNumber(area) + " owned by you");
    }
}

bool IsAdjacent(const GameState& game, int16_t a, int16_t b) {
    if (b < 1 || b > MaxArea) {
        return false;
    }
    const auto& slots = AreaAt(game, a).Neighbour;
    return std::find(slots.begin(), slots.end(), b) != slots.end();
}

int16_t UnitSize(const GameState& game, int16_t area) {
    return UnitKindSize(AreaAt(game, area).UnitKind);
}

bool ValidateMove(Turn& turn, int16_t from, int16_t to) {
    const GameState& game = turn.game;
    from = AreaOrNone(from);
    to = AreaOrNone(to);
    const AreaRecord& f = game.Areas[from];
    const AreaRecord& t = game.Areas[to];
    const Verdict verdict = JudgeMove(game, f, t);
    if (verdict == Verdict::Invalid) {
        Message(turn, "Invalid move between " + AreaNumber(from) + " and " + AreaNumber(to) +
                          " for unit");
        return false;
    }
    if (verdict == Verdict::Valid && t.Terrain != Water && IsStranger(game, t.Owner)) {
        Message(turn, "Warning, not allied or at war with owner of area " + AreaNumber(to),
                MsgIcon::Exclamation);
    }
    return true;
}

int16_t FindConvoyStart(Turn& turn, int16_t area) {
    const GameState& game = turn.game;
    int16_t x = area;
    for (int pass = 0; pass < kConvoyLinks; ++pass) {
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if (game.Areas[a].Command == "CO" && game.Areas[a].Parm1 == x) {
                x = a;
                if (game.Areas[a].Terrain == Coast) {
                    return UnitSize(game, a);
                }
                break;
            }
        }
    }
    Message(turn, "Warning, can't find start of convoy", MsgIcon::Exclamation);
    return 0;
}

void MoveOrder(Turn& turn, int16_t target) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(game, area, target)) {
        return RefuseNotAdjacent(turn, area, target);
    }
    SetAreaCommand(turn, "MO", target, 0);
    turn.events.AreaSettled(area);
}

void SupportAttackOrder(Turn& turn, int16_t target) {
    // One question at a time: a second continuation would store a stale order later.
    if (turn.supportedPlayer.IsAsking()) {
        return;
    }
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(game, area, target)) {
        return RefuseNotAdjacent(turn, area, target);
    }
    turn.supportedPlayer.Ask([&turn, target] { CompleteSupportAttack(turn, target); });
}

void SupportDefenceOrder(Turn& turn, int16_t target) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    if (!IsAdjacent(game, area, target)) {
        return RefuseNotAdjacent(turn, area, target);
    }
    const AreaRecord& t = game.Areas[target];
    if (t.UnitKind != NoUnit && t.Command == "MO") {
        Message(turn, "Warning, unit is leaving area " + AreaNumber(target));
    }
    if (t.UnitKind == NoUnit && !t.Command.starts_with('A')) {
        Message(turn, "Warning, no unit in area " + AreaNumber(target));
    }
    SetAreaCommand(turn, "SD", target, 0);
    turn.events.AreaSettled(area);
}

void ConvoyOrder(Turn& turn, int16_t target) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    target = AreaOrNone(target);
    const AreaRecord& from = game.Areas[area];
    const AreaRecord& t = game.Areas[target];
    const std::string number = AreaNumber(target);
    if (t.Terrain != Water && IsStranger(game, t.Owner)) {
        Message(turn, "Warning, not allied or at war with owner of area " + number, MsgIcon::None);
    }
    if (t.Terrain == Water) {
        if (t.UnitKind == NoUnit) {
            return Abandon(turn, "No unit in area " + number + " to convoy to");
        }
        if (!t.Command.empty() && t.Command != "CO") {
            return Abandon(turn, "Unit in area " + number + " already issued command");
        }
    }
    if (from.Terrain == Land && t.Terrain == Land) {
        return Abandon(turn, "Can't convoy from one land area to another land area");
    }
    int16_t carried = 0;
    if (from.Terrain == Coast) {
        if (IsNavalUnit(from.UnitKind)) {
            return Abandon(turn, "Can't convoy a naval unit");
        }
        carried = UnitSize(game, area);
    } else {
        carried = FindConvoyStart(turn, area);
    }
    // A squadron carries only a corps.
    if (t.Terrain == Water && t.UnitKind == Squadron && carried == 2) {
        return Abandon(turn, "Can't conovy an army");
    }
    SetAreaCommand(turn, "CO", target, 0);
    turn.events.AreaSettled(area);
}

} // namespace dered
