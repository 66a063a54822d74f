#include "desk/OrderWords.h"

#include "state/CodeTables.h"

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

struct Group {
    const char* heading;
    std::array<const char*, 4> codes;
};

constexpr std::array<Group, 8> kAreaGroups = {{
    {"Moves", {"MO"}},
    {"Supports of attacks", {"SA"}},
    {"Supports of defence", {"SD"}},
    {"Convoys", {"CO"}},
    {"Builds", {"AA", "AC", "AF", "AS"}},
    {"Upgrades", {"UU"}},
    {"Downgrades", {"DU"}},
    {"Removals", {"RU"}},
}};

constexpr std::array<Group, 5> kListGroups = {{
    {"Declarations", {"DA", "DN", "DW"}},
    {"Calls to arms", {"CA"}},
    {"Grants of access", {"GA"}},
    {"Spies", {"SP"}},
    {"Victory conditions", {"VC"}},
}};

bool InGroup(const Group& group, const std::string& code) {
    for (const char* c : group.codes) {
        if (c != nullptr && code == c) {
            return true;
        }
    }
    return false;
}

template <size_t N> bool InGroups(const std::array<Group, N>& groups, const std::string& code) {
    for (const Group& group : groups) {
        if (InGroup(group, code)) {
            return true;
        }
    }
    return false;
}

const char* BuildWord(const std::string& code) {
    if (code == "AA") {
        return "an army";
    }
    if (code == "AC") {
        return "a corps";
    }
    if (code == "AF") {
        return "a fleet";
    }
    return "a squadron";
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

void AddGroup(std::vector<OverviewLine>& lines, const char* heading,
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
    if (!IsArea(area)) {
        return {};
    }
    const AreaRecord& a = game.Areas[area];
    const std::string& c = a.Command;
    if (c.empty()) {
        return {};
    }
    if (c == "MO") {
        return "moves to " + AreaLabel(game, a.Parm1);
    }
    if (c == "SA") {
        const std::string by = a.Parm2 >= 1 ? " by " + PlayerLabel(game, a.Parm2) : "";
        return "supports the attack on " + AreaLabel(game, a.Parm1) + by;
    }
    if (c == "SD") {
        return "supports the defence of " + AreaLabel(game, a.Parm1);
    }
    if (c == "CO") {
        return (IsLandUnit(a.UnitKind) ? "goes by convoy through " : "convoys to ") +
               AreaLabel(game, a.Parm1);
    }
    if (c == "AA" || c == "AC" || c == "AF" || c == "AS") {
        return std::string("builds ") + BuildWord(c);
    }
    if (c == "UU") {
        return "is upgraded";
    }
    if (c == "DU") {
        return "is downgraded";
    }
    if (c == "RU") {
        return "is removed";
    }
    return "has the order " + c + Numbers({a.Parm1, a.Parm2});
}

std::string AreaOrderSentence(const GameState& game, int16_t area) {
    const std::string predicate = AreaOrderPredicate(game, area);
    if (predicate.empty()) {
        return {};
    }
    const std::string_view unit = UnitWord(game.Areas[area].UnitKind);
    const std::string subject =
        unit.empty() ? AreaLabel(game, area) : Capitalised(unit) + " in " + AreaLabel(game, area);
    return subject + " " + predicate;
}

std::string ListOrderSentence(const GameState& game, const OrderSlot& order) {
    const std::string& c = order.Code;
    if (c.empty()) {
        return {};
    }
    if (c == "DA") {
        return "Alliance with " + PlayerLabel(game, order.P1);
    }
    if (c == "DN") {
        return "Neutrality towards " + PlayerLabel(game, order.P1);
    }
    if (c == "DW") {
        return "War on " + PlayerLabel(game, order.P1);
    }
    if (c == "CA") {
        return "Call to arms: " + PlayerLabel(game, order.P1) + " against " +
               PlayerLabel(game, order.P2);
    }
    if (c == "GA") {
        const std::string where = order.P2 < 1 ? "all own areas" : AreaLabel(game, order.P2);
        return "Access for " + PlayerLabel(game, order.P1) + " to " + where;
    }
    if (c == "SP") {
        const std::string targets = SpyTargets(game, order);
        return targets.empty() ? std::string{} : "Spies in " + targets;
    }
    if (c == "VC") {
        return "Victory conditions: " + std::to_string(order.P1) + " turns, " +
               std::to_string(order.P2) + " points";
    }
    return "Order " + c + Numbers({order.P1, order.P2, order.P3, order.P4});
}

std::string AreaOrderShort(const AreaRecord& record, int16_t area) {
    const std::string& c = record.Command;
    const std::string in = " in " + std::to_string(area);
    const std::string target = std::to_string(record.Parm1);
    if (c.empty()) {
        return "cancel" + in;
    }
    if (c == "MO" || c == "CO") {
        return (c == "MO" ? "move from " : "convoy from ") + std::to_string(area) + " to " + target;
    }
    if (c == "SA" || c == "SD") {
        return (c == "SA" ? "support attack from " : "support defence from ") +
               std::to_string(area) + (c == "SA" ? " on " : " of ") + target;
    }
    if (c == "AA" || c == "AC" || c == "AF" || c == "AS") {
        return std::string("build ") + BuildWord(c) + in;
    }
    if (c == "UU") {
        return "upgrade" + in;
    }
    if (c == "DU") {
        return "downgrade" + in;
    }
    if (c == "RU") {
        return "removal" + in;
    }
    return c + in;
}

// The player's name where the report gives one, else the number.
std::string PlayerShort(const GameState& game, int16_t player) {
    if (player < 0 || player > MaxPlayer || game.Players[player].Name.empty()) {
        return "player " + std::to_string(player);
    }
    return game.Players[player].Name;
}

std::string ListOrderShort(const GameState& game, const OrderSlot& order) {
    const std::string& c = order.Code;
    const std::string p1 = PlayerShort(game, order.P1);
    if (c == "DA") {
        return "alliance with " + p1;
    }
    if (c == "DN") {
        return "neutrality towards " + p1;
    }
    if (c == "DW") {
        return "war on " + p1;
    }
    if (c == "CA") {
        return "call to arms of " + p1 + " against " + PlayerShort(game, order.P2);
    }
    if (c == "GA") {
        return "access for " + p1 + " to " +
               (order.P2 < 1 ? std::string("all areas") : std::to_string(order.P2));
    }
    if (c == "SP") {
        return "spies";
    }
    if (c == "VC") {
        return "victory conditions";
    }
    return c;
}

std::vector<OverviewLine> OverviewLines(const GameState& game) {
    std::vector<OverviewLine> lines;
    const auto areaLines = [&game](auto&& wanted) {
        std::vector<OverviewLine> members;
        for (int16_t area = 1; area <= MaxArea; ++area) {
            if (!game.Areas[area].Command.empty() && wanted(game.Areas[area].Command)) {
                members.push_back({AreaOrderSentence(game, area), area});
            }
        }
        return members;
    };
    for (const Group& group : kAreaGroups) {
        AddGroup(lines, group.heading,
                 areaLines([&group](const std::string& c) { return InGroup(group, c); }));
    }
    AddGroup(lines, "Other area orders",
             areaLines([](const std::string& c) { return !InGroups(kAreaGroups, c); }));
    const auto listLines = [&game](auto&& wanted) {
        std::vector<OverviewLine> members;
        for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
            const OrderSlot& order = game.Orders[slot];
            const std::string text = ListOrderSentence(game, order);
            if (!text.empty() && wanted(order.Code)) {
                members.push_back({text, -slot});
            }
        }
        return members;
    };
    for (const Group& group : kListGroups) {
        AddGroup(lines, group.heading,
                 listLines([&group](const std::string& c) { return InGroup(group, c); }));
    }
    AddGroup(lines, "Other orders",
             listLines([](const std::string& c) { return !InGroups(kListGroups, c); }));
    return lines;
}

} // namespace dered
