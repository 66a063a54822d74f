#pragma once

#include "orders/Reach.h"
#include "state/AllyOrders.h"
#include "state/GameState.h"

#include <cstdint>
#include <string>

namespace dered {

// What the map window says about the area under the pointer: number and name, terrain, owner,
// supply, the unit and its owner, and the order entered for it. Empty for no area.
std::string HoverText(const GameState& game, int16_t area);
// The same, and then each loaded ally's order given from the area: "; BRIM: moves to ...".
std::string HoverText(const GameState& game, int16_t area, const AllyOrderSets& allies);
// Who can get into the area next turn, for the hover text while the reach is shown: "reach:
// army of Borduria from 14, corps of yours from 20 by convoy", or "reach: none".
std::string ReachHoverText(const GameState& game, const ReachMap& reach, int16_t area);

} // namespace dered
