#include "desk/OrderWords.h"

#include "state/CodeTables.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace dered {

namespace {

std::string Capitalised(std::string_view word) {
    std::string text(word);
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

bool IsArea(int16_t area) {
    return area >= 1 && area <= MaxArea;
}

bool IsLandUnit(int16_t kind) {
    return kind == Army || kind == Corps;
}

bool InGroup(std::string_view group, const std::string& code) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr && kind->group == group;
}

template <size_t N>
bool InGroups(const std::array<std::string_view, N>& groups, const std::string& code) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr && std::find(groups.begin(), groups.end(), kind->group) != groups.end();
}

// The kind of an area order or of a list order; null for a code of the other sort or none.
const OrderKind* AreaKind(const std::string& code) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr && kind < kOrderKinds.data() + kAreaOrderKinds ? kind : nullptr;
}

const OrderKind* ListKind(const std::string& code) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr && kind >= kOrderKinds.data() + kAreaOrderKinds ? kind : nullptr;
}

std::string Numbers(std::initializer_list<int16_t> values) {
    std::string text;
    for (const int16_t v : values) {
        text += ' ' + std::to_string(v);
    }
    return text;
}

std::string SpyTargets(const GameState& game, const OrderSlot& order) {
    std::string text;
    for (const int16_t target : {order.P1, order.P2, order.P3, order.P4}) {
        if (target != 0) {
            text += (text.empty() ? "" : ", ") + AreaLabel(game, target);
        }
    }
    return text;
}

void AddGroup(std::vector<OverviewLine>& lines, std::string_view heading,
              std::vector<OverviewLine> members) {
    if (members.empty()) {
        return;
    }
    lines.push_back({std::string(heading) + " (" + std::to_string(members.size()) + ")", 0});
    for (OverviewLine& line : members) {
        line.text = "  " + line.text;
        lines.push_back(std::move(line));
    }
}

// Each group under its heading, then what is in none of them under `others`; `members` lists
// the lines whose order code passes the test it is given.
template <size_t N, typename Members>
void AddGroups(std::vector<OverviewLine>& lines, const std::array<std::string_view, N>& groups,
               std::string_view others, Members&& members) {
    for (const std::string_view group : groups) {
        AddGroup(lines, group,
                 members([group](const std::string& c) { return InGroup(group, c); }));
    }
    AddGroup(lines, others,
             members([&groups](const std::string& c) { return !InGroups(groups, c); }));
}

} // namespace

std::string AreaLabel(const GameState& game, int16_t area) {
    if (!IsArea(area) || game.Areas[area].Name.empty()) {
        return "area " + std::to_string(area);
    }
    return game.Areas[area].Name + " (" + std::to_string(area) + ")";
}

std::string PlayerLabel(const GameState& game, int16_t player) {
    const std::string number = "player " + std::to_string(player);
    if (player < 0 || player > MaxPlayer || game.Players[player].Name.empty()) {
        return number;
    }
    return number + " (" + game.Players[player].Name + ")";
}

std::string AreaOrderPredicate(const GameState& game, int16_t area) {
    return IsArea(area) ? OrderPredicate(game, game.Areas[area]) : std::string();
}

std::string OrderPredicate(const GameState& game, const AreaRecord& a) {
    if (a.Command.empty()) {
        return {};
    }
    const OrderKind* kind = AreaKind(a.Command);
    if (kind == nullptr) {
        return "has the order " + a.Command + Numbers({a.Parm1, a.Parm2});
    }
    if (kind->shape == OrderShape::PlainArea) {
        return std::string(kind->doing);
    }
    // An army or corps is carried by the convoy it orders.
    const bool carried = kind->click == MapCommand::Convoy && IsLandUnit(a.UnitKind);
    std::string text =
        (carried ? std::string("goes by convoy through") : std::string(kind->doing)) + " " +
        AreaLabel(game, a.Parm1);
    if (kind->shape == OrderShape::SupportAttack && a.Parm2 >= 1) {
        text += " by " + PlayerLabel(game, a.Parm2);
    }
    return text;
}

std::string AreaOrderSentence(const GameState& game, int16_t area) {
    return IsArea(area) ? OrderSentence(game, area, game.Areas[area]) : std::string();
}

std::string OrderSentence(const GameState& game, int16_t area, const AreaRecord& order) {
    const std::string predicate = OrderPredicate(game, order);
    if (predicate.empty()) {
        return {};
    }
    const std::string_view unit = UnitWord(order.UnitKind);
    const std::string subject =
        unit.empty() ? AreaLabel(game, area) : Capitalised(unit) + " in " + AreaLabel(game, area);
    return subject + " " + predicate;
}

std::string ListOrderSentence(const GameState& game, const OrderSlot& order) {
    const std::string& c = order.Code;
    if (c.empty()) {
        return {};
    }
    const OrderKind* kind = ListKind(c);
    if (kind == nullptr) {
        return "Order " + c + Numbers({order.P1, order.P2, order.P3, order.P4});
    }
    const std::string words(kind->doing);
    switch (kind->click) {
    case MapCommand::Spy: {
        const std::string targets = SpyTargets(game, order);
        return targets.empty() ? std::string{} : words + " " + targets;
    }
    case MapCommand::Victory:
        return words + " " + std::to_string(order.P1) + " turns, " + std::to_string(order.P2) +
               " points";
    case MapCommand::GrantAccess:
        return words + " " + PlayerLabel(game, order.P1) + std::string(kind->join) +
               (order.P2 < 1 ? std::string("all own areas") : AreaLabel(game, order.P2));
    default:
        break;
    }
    std::string text = words + " " + PlayerLabel(game, order.P1);
    if (kind->shape == OrderShape::TwoNumbers) { // a call to arms: against whom
        text += std::string(kind->join) + PlayerLabel(game, order.P2);
    }
    return text;
}

std::string AreaOrderShort(const AreaRecord& record, int16_t area) {
    const std::string& c = record.Command;
    const std::string in = " in " + std::to_string(area);
    if (c.empty()) {
        return "cancel" + in;
    }
    const OrderKind* kind = AreaKind(c);
    if (kind == nullptr) {
        return c + in;
    }
    if (kind->shape == OrderShape::PlainArea) {
        return std::string(kind->undo) + in;
    }
    return std::string(kind->undo) + " " + std::to_string(area) + std::string(kind->join) +
           std::to_string(record.Parm1);
}

// The player's name where the report gives one, else the number.
std::string PlayerShort(const GameState& game, int16_t player) {
    if (player < 0 || player > MaxPlayer || game.Players[player].Name.empty()) {
        return "player " + std::to_string(player);
    }
    return game.Players[player].Name;
}

std::string ListOrderShort(const GameState& game, const OrderSlot& order) {
    const OrderKind* kind = ListKind(order.Code);
    if (kind == nullptr) {
        return order.Code;
    }
    const std::string words(kind->undo);
    switch (kind->shape) {
    case OrderShape::OnePlayer:
        return words + " " + PlayerShort(game, order.P1);
    case OrderShape::TwoNumbers:
        if (kind->click == MapCommand::None) { // a call to arms: two players
            return words + " " + PlayerShort(game, order.P1) + std::string(kind->join) +
                   PlayerShort(game, order.P2);
        }
        if (kind->click == MapCommand::GrantAccess) {
            return words + " " + PlayerShort(game, order.P1) + std::string(kind->join) +
                   (order.P2 < 1 ? std::string("all areas") : std::to_string(order.P2));
        }
        return words;
    default:
        return words;
    }
}

std::vector<OverviewLine> OverviewLines(const GameState& game) {
    std::vector<OverviewLine> lines;
    AddGroups(lines, kAreaOrderGroups, "Other area orders", [&game](auto&& wanted) {
        std::vector<OverviewLine> members;
        for (int16_t area = 1; area <= MaxArea; ++area) {
            if (!game.Areas[area].Command.empty() && wanted(game.Areas[area].Command)) {
                members.push_back({AreaOrderSentence(game, area), area});
            }
        }
        return members;
    });
    AddGroups(lines, kListOrderGroups, "Other orders", [&game](auto&& wanted) {
        std::vector<OverviewLine> members;
        for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
            const OrderSlot& order = game.Orders[slot];
            const std::string text = ListOrderSentence(game, order);
            if (!text.empty() && wanted(order.Code)) {
                members.push_back({text, -slot});
            }
        }
        return members;
    });
    return lines;
}

} // namespace dered
