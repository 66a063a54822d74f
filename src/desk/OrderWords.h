#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// "Northfield (12)"; "area 12" for an area without a name.
std::string AreaLabel(const GameState& game, int16_t area);
// "player 4 (Oroland)"; "player 4" for a player without a name.
std::string PlayerLabel(const GameState& game, int16_t player);

// What the area's order does, without the unit: "moves to Eastwater (15)"; empty for no order.
std::string AreaOrderPredicate(const GameState& game, int16_t area);
// The whole order as a player reads it: "Army in Northfield (12) moves to Eastwater (15)".
std::string AreaOrderSentence(const GameState& game, int16_t area);
// The same for an order kept apart from the area's record (an ally's): `order` gives the code,
// the numbers and the unit.
std::string OrderPredicate(const GameState& game, const AreaRecord& order);
std::string OrderSentence(const GameState& game, int16_t area, const AreaRecord& order);
// "Alliance with player 4 (Oroland)"; empty for a free slot or spy slots without targets.
std::string ListOrderSentence(const GameState& game, const OrderSlot& order);

// Short words for the undo menu: "move from 12 to 15", "alliance with Oroland".
std::string AreaOrderShort(const AreaRecord& record, int16_t area);
std::string ListOrderShort(const GameState& game, const OrderSlot& order);

// One line of the orders overview. `item` is the area of an area order, minus the slot of a
// list order, and 0 for a heading.
struct OverviewLine {
    std::string text;
    int32_t item = 0;
    bool operator==(const OverviewLine&) const = default;
};

// Every order of the turn: area orders grouped by kind, then the list orders, each group under
// a heading with its count.
std::vector<OverviewLine> OverviewLines(const GameState& game);

} // namespace dered
