#include "orders/MoveRules.h"

#include "orders/AreaOrders.h"
#include "orders/OrderList.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

#include <algorithm>

namespace dered {

namespace {

// The coast rule of a naval move compares only the first ten neighbour slots of each list.
constexpr int kCoastSlots = 10;
constexpr int kConvoyLinks = 10;

Outcome Refused(std::string text) {
    Outcome outcome;
    return outcome.Refuse(std::move(text));
}

std::string AreaNumber(int16_t area) {
    return SignedText(area);
}

Outcome NotAdjacent(int16_t from, int16_t to) {
    return Refused("Areas " + AreaNumber(from) + " and " + AreaNumber(to) + " are not adjacent");
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
        if (game.Areas[area].Command == OrderCode::Move && game.Areas[area].Parm1 == target) {
            return true;
        }
    }
    return false;
}

} // namespace

Outcome CheckOwnUnit(const GameState& game, int16_t area) {
    if (AreaAt(game, area).UnitOwner != game.OwnPlayer) {
        return Refused("No unit there owned by you");
    }
    return {Ending::Waiting, {}};
}

Outcome CheckConvoyUnit(const GameState& game, int16_t area) {
    area = AreaOrNone(area);
    if (game.Areas[area].UnitOwner != game.OwnPlayer) {
        return Refused("No unit in area " + AreaNumber(area) + " owned by you");
    }
    return {Ending::Waiting, {}};
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

bool MoveIsValid(const GameState& game, int16_t from, int16_t to) {
    return JudgeMove(game, game.Areas[AreaOrNone(from)], game.Areas[AreaOrNone(to)]) !=
           Verdict::Invalid;
}

bool CanCarry(int16_t navalKind, int16_t carried) {
    return navalKind != Squadron || carried != 2;
}

bool ValidateMove(const GameState& game, int16_t from, int16_t to, Outcome& said) {
    from = AreaOrNone(from);
    to = AreaOrNone(to);
    const AreaRecord& f = game.Areas[from];
    const AreaRecord& t = game.Areas[to];
    const Verdict verdict = JudgeMove(game, f, t);
    if (verdict == Verdict::Invalid) {
        said.Say("Invalid move between " + AreaNumber(from) + " and " + AreaNumber(to) +
                     " for unit",
                 MsgIcon::Critical);
        return false;
    }
    if (verdict == Verdict::Valid && t.Terrain != Water && IsStranger(game, t.Owner)) {
        said.Say("Warning, not allied or at war with owner of area " + AreaNumber(to),
                 MsgIcon::Exclamation);
    }
    return true;
}

int16_t FindConvoyStart(const GameState& game, int16_t area, Outcome& said) {
    int16_t x = area;
    for (int pass = 0; pass < kConvoyLinks; ++pass) {
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if (game.Areas[a].Command == OrderCode::Convoy && game.Areas[a].Parm1 == x) {
                x = a;
                if (game.Areas[a].Terrain == Coast) {
                    return UnitSize(game, a);
                }
                break;
            }
        }
    }
    said.Say("Warning, can't find start of convoy", MsgIcon::Exclamation);
    return 0;
}

namespace {

// The rules' own words come first, then what storing the order said.
Outcome Store(Turn& turn, Outcome said, int16_t area, std::string_view code, int16_t parm1,
              int16_t parm2) {
    const TurnEvents::Batch change(turn.events);
    Outcome stored = SetAreaCommand(turn, area, code, parm1, parm2);
    said.notices.insert(said.notices.end(), stored.notices.begin(), stored.notices.end());
    said.ending = stored.ending;
    turn.events.AreaOrderChanged(area);
    return said;
}

} // namespace

Outcome MoveOrder(Turn& turn, int16_t area, int16_t target) {
    area = AreaOrNone(area);
    target = AreaOrNone(target);
    if (!IsAdjacent(turn.game, area, target)) {
        return NotAdjacent(area, target);
    }
    return Store(turn, {}, area, OrderCode::Move, target, 0);
}

Outcome SupportAttackTarget(const GameState& game, int16_t area, int16_t target) {
    area = AreaOrNone(area);
    target = AreaOrNone(target);
    if (!IsAdjacent(game, area, target)) {
        return NotAdjacent(area, target);
    }
    return {Ending::Asking, {}};
}

Outcome SupportAttackOrder(Turn& turn, int16_t area, int16_t target, int16_t supported) {
    const GameState& game = turn.game;
    area = AreaOrNone(area);
    target = AreaOrNone(target);
    Outcome said;
    if (supported != game.OwnPlayer) {
        return Store(turn, said, area, OrderCode::SupportAttack, target, supported);
    }
    if (!HasMoveInto(game, target)) {
        said.Say("Warning, no unit attacking area " + AreaNumber(target), MsgIcon::Information);
    }
    return Store(turn, said, area, OrderCode::SupportAttack, target, 0);
}

Outcome SupportDefenceOrder(Turn& turn, int16_t area, int16_t target) {
    const GameState& game = turn.game;
    area = AreaOrNone(area);
    target = AreaOrNone(target);
    if (!IsAdjacent(game, area, target)) {
        return NotAdjacent(area, target);
    }
    Outcome said;
    const AreaRecord& t = game.Areas[target];
    if (t.UnitKind != NoUnit && t.Command == OrderCode::Move) {
        said.Say("Warning, unit is leaving area " + AreaNumber(target), MsgIcon::Critical);
    }
    if (t.UnitKind == NoUnit && !t.Command.starts_with('A')) {
        said.Say("Warning, no unit in area " + AreaNumber(target), MsgIcon::Critical);
    }
    return Store(turn, said, area, OrderCode::SupportDefence, target, 0);
}

Outcome ConvoyOrder(Turn& turn, int16_t area, int16_t target) {
    const GameState& game = turn.game;
    area = AreaOrNone(area);
    target = AreaOrNone(target);
    const AreaRecord& from = game.Areas[area];
    const AreaRecord& t = game.Areas[target];
    const std::string number = AreaNumber(target);
    Outcome said;
    if (t.Terrain != Water && IsStranger(game, t.Owner)) {
        said.Say("Warning, not allied or at war with owner of area " + number, MsgIcon::None);
    }
    if (t.Terrain == Water) {
        if (t.UnitKind == NoUnit) {
            return said.Refuse("No unit in area " + number + " to convoy to");
        }
        if (!t.Command.empty() && t.Command != OrderCode::Convoy) {
            return said.Refuse("Unit in area " + number + " already issued command");
        }
    }
    if (from.Terrain == Land && t.Terrain == Land) {
        return said.Refuse("Can't convoy from one land area to another land area");
    }
    int16_t carried = 0;
    if (from.Terrain == Coast) {
        if (IsNavalUnit(from.UnitKind)) {
            return said.Refuse("Can't convoy a naval unit");
        }
        carried = UnitSize(game, area);
    } else {
        carried = FindConvoyStart(game, area, said);
    }
    if (t.Terrain == Water && !CanCarry(t.UnitKind, carried)) {
        return said.Refuse("Can't conovy an army");
    }
    return Store(turn, said, area, OrderCode::Convoy, target, 0);
}

} // namespace dered
