#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>

namespace dered {

// What the map window says about the area under the pointer: number and name, terrain, owner,
// supply, the unit and its owner, and the order entered for it. Empty for no area.
std::string HoverText(const GameState& game, int16_t area);

} // namespace dered
