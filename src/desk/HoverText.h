#pragma once

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

} // namespace dered
