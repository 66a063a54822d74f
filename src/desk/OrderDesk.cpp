#include "desk/OrderDesk.h"

#include "orders/AreaOrders.h"
#include "orders/MoveRules.h"
#include "orders/Turn.h"
#include "orders/UnitRules.h"
#include "state/CodeTables.h"

#include <array>

namespace dered {

namespace {

using Begin = Outcome (*)(Turn&, int16_t area);
using Complete = Outcome (*)(Turn&, int16_t area, int16_t target);

struct DeskRule {
    Begin begin;
    Complete complete; // null: decided by the first step
};

Outcome OwnUnit(Turn& turn, int16_t area) {
    return CheckOwnUnit(turn.game, area);
}
Outcome ConvoyUnit(Turn& turn, int16_t area) {
    return CheckConvoyUnit(turn.game, area);
}
template <int16_t Kind> Outcome Build(Turn& turn, int16_t area) {
    return BuildUnit(turn, area, Kind);
}
Outcome AskWhoseAttack(Turn& turn, int16_t area, int16_t target) {
    return SupportAttackTarget(turn.game, area, target);
}

// Beside the area orders of kOrderKinds, entry for entry.
constexpr std::array<DeskRule, kAreaOrderKinds> kDeskRules = {{
    {OwnUnit, MoveOrder},
    {OwnUnit, AskWhoseAttack},
    {OwnUnit, SupportDefenceOrder},
    {ConvoyUnit, ConvoyOrder},
    {DowngradeUnit, nullptr},
    {RemoveUnit, nullptr},
    {Build<Army>, nullptr},
    {Build<Corps>, nullptr},
    {Build<Fleet>, nullptr},
    {Build<Squadron>, nullptr},
    {UpgradeUnit, nullptr},
}};

const DeskRule* RuleOf(const OrderKind& kind) {
    for (size_t i = 0; i < kDeskRules.size(); ++i) {
        if (kOrderKinds[i].code == kind.code) {
            return &kDeskRules[i];
        }
    }
    return nullptr;
}

} // namespace

Outcome BeginOrder(Turn& turn, const OrderKind& kind, int16_t area) {
    const DeskRule* rule = RuleOf(kind);
    return rule != nullptr ? rule->begin(turn, area) : Outcome{};
}

Outcome CompleteOrder(Turn& turn, const OrderKind& kind, int16_t area, int16_t target,
                      std::optional<int16_t> supported) {
    const DeskRule* rule = RuleOf(kind);
    if (rule == nullptr || rule->complete == nullptr) {
        return {};
    }
    if (kind.shape == OrderShape::SupportAttack && supported) {
        Outcome checked = rule->complete(turn, area, target);
        return checked.ending == Ending::Asking ? SupportAttackOrder(turn, area, target, *supported)
                                                : checked;
    }
    return rule->complete(turn, area, target);
}

Outcome WithdrawOrder(Turn& turn, int16_t area) {
    return ClearAreaCommand(turn, area);
}

} // namespace dered
