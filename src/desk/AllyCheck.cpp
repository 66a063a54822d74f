#include "desk/AllyCheck.h"

#include "desk/AllyWords.h"
#include "desk/OrderWords.h"
#include "state/CodeTables.h"
#include "state/OrderKinds.h"

#include <array>
#include <cctype>

namespace dered {

namespace {

bool IsArea(int16_t area) {
    return area >= 1 && area <= MaxArea;
}

bool IsOwnUnit(const GameState& turn, int16_t area) {
    const AreaRecord& a = turn.Areas[area];
    return a.UnitKind != NoUnit && a.UnitOwner == turn.OwnPlayer;
}

bool IsLandUnit(int16_t kind) {
    return kind == Army || kind == Corps;
}

// A unit that moves, is carried off or is removed does not stay.
bool Leaves(const std::string& code, int16_t unitKind) {
    return code == OrderCode::Move || code == OrderCode::Remove ||
           (code == OrderCode::Convoy && IsLandUnit(unitKind));
}

bool IsBuild(const std::string& code) {
    return code == OrderCode::AddArmy || code == OrderCode::AddCorps ||
           code == OrderCode::AddFleet || code == OrderCode::AddSquadron;
}

std::string Capitalised(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

// One ally's orders against the player's, with the ally's moves and convoys by target looked up
// once.
class AllyChecker {
  public:
    AllyChecker(const GameState& turn, const AllyOrders& ally, std::vector<Finding>& found)
        : turn_(turn), ally_(ally), name_(AllyLabel(turn, ally.player)), found_(found) {
        for (const AllyAreaOrder& order : ally.areaOrders) {
            if (!IsArea(order.parm1)) {
                continue;
            }
            if (order.code == OrderCode::Move && moveTo_[order.parm1] == nullptr) {
                moveTo_[order.parm1] = &order;
            }
            if (order.code == OrderCode::Convoy) {
                convoyTo_[order.parm1] = true;
            }
        }
    }

    // The player's orders, area by area, against the ally's.
    void Own(int16_t area) {
        const AreaRecord& mine = turn_.Areas[area];
        const std::string& code = mine.Command;
        const int16_t target = mine.Parm1;
        if (!IsArea(target)) {
            return;
        }
        if (code == OrderCode::SupportAttack && mine.Parm2 == ally_.player &&
            moveTo_[target] == nullptr) {
            Add(area, FindingKind::AllySupport,
                Mine(area) + ", but " + name_ + " has no move to " + AreaLabel(turn_, target));
        } else if (code == OrderCode::SupportDefence) {
            const AllyAreaOrder* there = ally_.OrderAt(target);
            if (there != nullptr && Leaves(there->code, AllyUnit(*there))) {
                Add(area, FindingKind::AllyAway,
                    Mine(area) + ", but " + name_ + " orders the unit away: " + Theirs(*there));
            }
        } else if (code == OrderCode::Move && moveTo_[target] != nullptr) {
            Add(target, FindingKind::AllyCollide,
                Mine(area) + ", and " + name_ + " also orders: " + Theirs(*moveTo_[target]));
        } else if (code == OrderCode::Convoy && turn_.Areas[area].Terrain == Water) {
            Convoy(area);
        }
    }

    // The ally's orders against the player's.
    void Theirs() {
        for (const AllyAreaOrder& order : ally_.areaOrders) {
            const int16_t target = order.parm1;
            if (!IsArea(target)) {
                continue;
            }
            if (order.code == OrderCode::SupportAttack && order.parm2 == turn_.OwnPlayer &&
                !OwnMoveTo(target)) {
                Add(order.area, FindingKind::AllySupport,
                    name_ + " orders: " + Theirs(order) + ", but no unit of yours moves to " +
                        AreaLabel(turn_, target));
            } else if (order.code == OrderCode::Move && IsOwnUnit(turn_, target) &&
                       !Leaves(turn_.Areas[target].Command, turn_.Areas[target].UnitKind)) {
                Add(order.area, FindingKind::AllyBlocked,
                    name_ + " orders: " + Theirs(order) +
                        ", where your unit stays: " + OwnOrStays(target));
            }
        }
    }

  private:
    void Add(int16_t area, FindingKind kind, std::string text) {
        found_.push_back({area, kind, std::move(text)});
    }

    std::string Mine(int16_t area) const { return AreaOrderSentence(turn_, area); }
    std::string Theirs(const AllyAreaOrder& order) const {
        return AllyOrderSentence(turn_, ally_.player, order);
    }

    std::string OwnOrStays(int16_t area) const {
        const std::string sentence = Mine(area);
        if (!sentence.empty()) {
            return sentence;
        }
        return Capitalised(std::string(UnitWord(turn_.Areas[area].UnitKind))) + " in " +
               AreaLabel(turn_, area) + " has no order";
    }

    int16_t AllyUnit(const AllyAreaOrder& order) const {
        const AreaRecord& at = turn_.Areas[order.area];
        return at.UnitOwner == ally_.player ? at.UnitKind : int16_t{NoUnit};
    }

    bool OwnMoveTo(int16_t target) const {
        for (int16_t area = 1; area <= MaxArea; ++area) {
            const AreaRecord& a = turn_.Areas[area];
            if (a.Command == OrderCode::Move && a.Parm1 == target && IsOwnUnit(turn_, area)) {
                return true;
            }
        }
        return false;
    }

    // The player's fleet at sea convoys, but no order leads an army into its sea: it is for an
    // ally's army on the coast beside it, which the ally orders elsewhere or not at all.
    void Convoy(int16_t sea) {
        if (convoyTo_[sea] || OwnConvoyTo(sea)) {
            return;
        }
        for (const int16_t coast : turn_.Areas[sea].Neighbour) {
            if (!IsArea(coast) || turn_.Areas[coast].Terrain == Water) {
                continue;
            }
            const AllyAreaOrder* order = ally_.OrderAt(coast);
            const AreaRecord& at = turn_.Areas[coast];
            const bool armyShown = at.UnitOwner == ally_.player && IsLandUnit(at.UnitKind);
            if (order != nullptr && IsBuild(order->code)) {
                order = nullptr;
            }
            if (order == nullptr && !armyShown) {
                continue;
            }
            const std::string theirs = order != nullptr
                                           ? Theirs(*order)
                                           : Capitalised(std::string(UnitWord(at.UnitKind))) +
                                                 " in " + AreaLabel(turn_, coast) + " has no order";
            Add(sea, FindingKind::AllyConvoy,
                Mine(sea) + ", but " + name_ + " has no convoy through " + AreaLabel(turn_, sea) +
                    ": " + theirs);
            return;
        }
    }

    bool OwnConvoyTo(int16_t sea) const {
        for (const int16_t from : turn_.Areas[sea].Neighbour) {
            if (IsArea(from) && turn_.Areas[from].Command == OrderCode::Convoy &&
                turn_.Areas[from].Parm1 == sea && IsOwnUnit(turn_, from)) {
                return true;
            }
        }
        return false;
    }

    const GameState& turn_;
    const AllyOrders& ally_;
    const std::string name_;
    std::vector<Finding>& found_;
    std::array<const AllyAreaOrder*, MaxArea + 1> moveTo_{};
    std::array<bool, MaxArea + 1> convoyTo_{};
};

} // namespace

std::vector<Finding> CheckAgainstAllies(const GameState& turn, const AllyOrderSets& allies) {
    std::vector<Finding> found;
    for (const AllyOrders& ally : allies.All()) {
        AllyChecker checker(turn, ally, found);
        for (int16_t area = 1; area <= MaxArea; ++area) {
            if (IsOwnUnit(turn, area) && !turn.Areas[area].Command.empty()) {
                checker.Own(area);
            }
        }
        checker.Theirs();
    }
    return found;
}

std::vector<Finding> CheckTurn(const TurnDocument& document) {
    std::vector<Finding> found = CheckOrders(document.records);
    if (!document.allies.Empty()) {
        std::vector<Finding> more = CheckAgainstAllies(document.records, document.allies);
        found.insert(found.end(), more.begin(), more.end());
    }
    return found;
}

} // namespace dered
