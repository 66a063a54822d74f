#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// The pieces the typed orders are read from.

std::string Lower(std::string_view text);
std::vector<std::string> Words(std::string_view text);

// An area as a message names it: "Ulmar Sea (12)".
std::string ShownName(const GameState& game, int16_t area);

// The one area that text names (its number, its name or the unique beginning of one), or 0
// with the reason in problem.
int16_t FindArea(const GameState& game, std::string_view text, std::string& problem);

// A player by number, abbreviation or name.
std::optional<int16_t> FindPlayer(const GameState& game, std::string_view text);

} // namespace dered
