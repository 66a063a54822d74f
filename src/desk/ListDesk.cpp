#include "desk/ListDesk.h"

#include "orders/ListOrders.h"
#include "orders/Turn.h"

#include <array>

namespace dered {

namespace {

using Numbers = std::vector<int16_t>;
using Rule = Outcome (*)(Turn&, const OrderKind&, const Numbers&);

Outcome Declaration(Turn& turn, const OrderKind& kind, const Numbers& n) {
    return Declare(turn, kind.code, n[0]);
}
Outcome Call(Turn& turn, const OrderKind&, const Numbers& n) {
    return CallToArms(turn, n[0], n[1]);
}
Outcome Access(Turn& turn, const OrderKind&, const Numbers& n) {
    return n[1] == -1 ? GrantAccessToAll(turn, n[0]) : GrantAccess(turn, n[0], n[1]);
}
Outcome Spies(Turn& turn, const OrderKind&, const Numbers& n) {
    return AddSpyTargets(turn, n);
}
Outcome Victory(Turn& turn, const OrderKind&, const Numbers& n) {
    return SetVictoryConditions(turn, n[0], n[1]);
}

struct ListRule {
    Rule rule;
    NumberCount numbers;
};

// Beside the list orders of kOrderKinds, entry for entry.
constexpr std::array<ListRule, kOrderKinds.size() - kAreaOrderKinds> kListRules = {{
    {Declaration, {1, 1}},
    {Declaration, {1, 1}},
    {Declaration, {1, 1}},
    {Call, {2, 2}},
    {Access, {2, 2}},
    {Spies, {1, kSpyTargets}},
    {Victory, {2, 2}},
}};

const ListRule* RuleOf(const OrderKind& kind) {
    for (size_t i = 0; i < kListRules.size(); ++i) {
        if (kOrderKinds[kAreaOrderKinds + i].code == kind.code) {
            return &kListRules[i];
        }
    }
    return nullptr;
}

} // namespace

Outcome EnterListOrder(Turn& turn, const OrderKind& kind, const std::vector<int16_t>& numbers) {
    const ListRule* rule = RuleOf(kind);
    if (rule == nullptr || numbers.size() < rule->numbers.least ||
        numbers.size() > rule->numbers.most) {
        return {};
    }
    return rule->rule(turn, kind, numbers);
}

NumberCount ListOrderNumbers(const OrderKind& kind) {
    const ListRule* rule = RuleOf(kind);
    return rule != nullptr ? rule->numbers : NumberCount{0, 0};
}

} // namespace dered
