#include "desk/OrderCheck.h"

#include "desk/OrderWords.h"
#include "state/CodeTables.h"
#include "state/EnumTable.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace dered {

namespace {

// As far as a convoy chain is followed when its orders are entered.
constexpr int kConvoyLinks = 10;

bool IsArea(int16_t area) {
    return area >= 1 && area <= MaxArea;
}

bool IsOwnUnit(const GameState& game, int16_t area) {
    const AreaRecord& a = game.Areas[area];
    return a.UnitKind != NoUnit && a.UnitOwner == game.OwnPlayer;
}

bool IsBuildOrUpgrade(const std::string& code) {
    return code == OrderCode::AddArmy || code == OrderCode::AddCorps ||
           code == OrderCode::AddFleet || code == OrderCode::AddSquadron ||
           code == OrderCode::Upgrade;
}

// "Army in Northfield (12)".
std::string Unit(const GameState& game, int16_t area, bool capital) {
    std::string word(UnitWord(game.Areas[area].UnitKind));
    if (capital && !word.empty()) {
        word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    }
    return word + " in " + AreaLabel(game, area);
}

void NoOrders(const GameState& game, std::vector<Finding>& found) {
    for (int16_t area = 1; area <= MaxArea; ++area) {
        if (IsOwnUnit(game, area) && game.Areas[area].Command.empty()) {
            found.push_back({area, FindingKind::NoOrder, Unit(game, area, true) + " has no order"});
        }
    }
}

void Collisions(const GameState& game, std::vector<Finding>& found) {
    std::array<std::vector<int16_t>, MaxArea + 1> movers;
    for (int16_t area = 1; area <= MaxArea; ++area) {
        const AreaRecord& a = game.Areas[area];
        if (IsOwnUnit(game, area) && a.Command == OrderCode::Move && IsArea(a.Parm1)) {
            movers[a.Parm1].push_back(area);
        }
    }
    for (int16_t target = 1; target <= MaxArea; ++target) {
        const std::vector<int16_t>& from = movers[target];
        if (from.size() < 2) {
            continue;
        }
        std::string text;
        for (size_t i = 0; i < from.size(); ++i) {
            text += i == 0 ? "" : i + 1 == from.size() ? " and " : ", ";
            text += Unit(game, from[i], i == 0);
        }
        text += (from.size() == 2 ? " both move to " : " all move to ") + AreaLabel(game, target);
        found.push_back({target, FindingKind::Collide, text});
    }
}

// A unit being removed leaves its area as surely as one that moves.
void Blocked(const GameState& game, std::vector<Finding>& found) {
    for (int16_t area = 1; area <= MaxArea; ++area) {
        const AreaRecord& a = game.Areas[area];
        if (!IsOwnUnit(game, area) || a.Command != OrderCode::Move || !IsArea(a.Parm1) ||
            !IsOwnUnit(game, a.Parm1)) {
            continue;
        }
        const std::string& staying = game.Areas[a.Parm1].Command;
        if (staying == OrderCode::Move || staying == OrderCode::Remove) {
            continue;
        }
        found.push_back(
            {area, FindingKind::Blocked,
             Unit(game, area, true) + " moves to " + AreaLabel(game, a.Parm1) + ", where the own " +
                 std::string(UnitWord(game.Areas[a.Parm1].UnitKind)) + " has no order to leave"});
    }
}

// Why the chain of convoy orders from a land unit's convoy order never reaches land, or empty when
// it does (or when it runs through a unit whose orders the records cannot show).
std::string BrokenChain(const GameState& game, int16_t area) {
    int16_t x = game.Areas[area].Parm1;
    for (int link = 0; link < kConvoyLinks; ++link) {
        if (!IsArea(x)) {
            return "the chain ends at no area";
        }
        const AreaRecord& at = game.Areas[x];
        if (at.Terrain != Water) {
            return {};
        }
        if (at.UnitKind == NoUnit) {
            return "no unit is in " + AreaLabel(game, x) + " to carry it";
        }
        if (at.UnitOwner != game.OwnPlayer) {
            return {};
        }
        if (at.Command != OrderCode::Convoy) {
            return "the " + std::string(UnitWord(at.UnitKind)) + " in " + AreaLabel(game, x) +
                   " has no convoy order";
        }
        x = at.Parm1;
    }
    return "the chain does not reach land within " + std::to_string(kConvoyLinks) + " links";
}

void Convoys(const GameState& game, std::vector<Finding>& found) {
    for (int16_t area = 1; area <= MaxArea; ++area) {
        const AreaRecord& a = game.Areas[area];
        const bool landUnit = a.UnitKind == Army || a.UnitKind == Corps;
        if (!IsOwnUnit(game, area) || !landUnit || a.Command != OrderCode::Convoy) {
            continue;
        }
        const std::string why = BrokenChain(game, area);
        if (!why.empty()) {
            found.push_back({area, FindingKind::Convoy,
                             Unit(game, area, true) + " goes by convoy through " +
                                 AreaLabel(game, a.Parm1) + ", but " + why});
        }
    }
}

void Supply(const GameState& game, std::vector<Finding>& found) {
    const int16_t free = game.Summary.FreeSupply;
    if (free >= 0) {
        return;
    }
    for (int16_t area = 1; area <= MaxArea; ++area) {
        const AreaRecord& a = game.Areas[area];
        if (a.Owner == game.OwnPlayer && IsBuildOrUpgrade(a.Command)) {
            found.push_back({area, FindingKind::Supply,
                             AreaOrderSentence(game, area) + ", leaving free supply at " +
                                 std::to_string(free)});
        }
    }
}

} // namespace

std::string_view FindingWord(FindingKind kind) {
    // In the order of FindingKind.
    static constexpr std::array<std::string_view, 10> kWords{
        "noorder",      "collide",   "blocked",      "convoy",      "supply",
        "ally-support", "ally-away", "ally-collide", "ally-convoy", "ally-blocked"};
    return EntryOf(kWords, kind, std::string_view());
}

std::vector<Finding> CheckOrders(const GameState& game) {
    std::vector<Finding> found;
    NoOrders(game, found);
    Collisions(game, found);
    Blocked(game, found);
    Convoys(game, found);
    Supply(game, found);
    return found;
}

} // namespace dered
