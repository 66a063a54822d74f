#include "state/AllyOrders.h"

#include "state/CodeTables.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <utility>

namespace dered {

const AllyAreaOrder* AllyOrders::OrderAt(int16_t area) const {
    const auto it = std::lower_bound(
        areaOrders.begin(), areaOrders.end(), area,
        [](const AllyAreaOrder& order, int16_t wanted) { return order.area < wanted; });
    return it != areaOrders.end() && it->area == area ? &*it : nullptr;
}

bool FitsTheTurn(const GameState& turn, int16_t player, const AllyAreaOrder& order) {
    if (order.area < 1 || order.area > MaxArea) {
        return false;
    }
    const AreaRecord& at = turn.Areas[order.area];
    const std::string& c = order.code;
    if (c == OrderCode::AddArmy || c == OrderCode::AddCorps || c == OrderCode::AddFleet ||
        c == OrderCode::AddSquadron) {
        return at.Owner == player && at.UnitKind == NoUnit;
    }
    return at.UnitKind != NoUnit && at.UnitOwner == player;
}

const AllyOrders* AllyOrderSets::Find(int16_t player) const {
    const auto it = std::find_if(sets_.begin(), sets_.end(),
                                 [player](const AllyOrders& set) { return set.player == player; });
    return it != sets_.end() ? &*it : nullptr;
}

void AllyOrderSets::Put(AllyOrders orders) {
    Remove(orders.player);
    const auto at = std::find_if(sets_.begin(), sets_.end(), [&orders](const AllyOrders& set) {
        return set.player > orders.player;
    });
    sets_.insert(at, std::move(orders));
}

bool AllyOrderSets::Remove(int16_t player) {
    const auto it = std::find_if(sets_.begin(), sets_.end(),
                                 [player](const AllyOrders& set) { return set.player == player; });
    if (it == sets_.end()) {
        return false;
    }
    sets_.erase(it);
    return true;
}

} // namespace dered
