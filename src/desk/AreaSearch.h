#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// The areas a typed text finds: a number finds that area; a name is compared without case and
// without blanks or underscores, first the names that start with it, then the ones holding it,
// each in area order. Nothing for a blank text.
// A name as the search compares it: lower case, without blanks, tabs or underscores.
std::string FoldedName(std::string_view text);

std::vector<int16_t> MatchAreas(const GameState& game, std::string_view text);

} // namespace dered
