#pragma once

#include "state/GameState.h"
#include "ui/Controls.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// The players other than the own one, in number order (1 to PlayerCount - 1).
std::vector<int16_t> OtherPlayers(const GameState& game);

// A player's names; the empty text for a number that is no player (a damaged order slot).
const std::string& PlayerName(const GameState& game, int16_t player);
const std::string& PlayerAbbrev(const GameState& game, int16_t player);

// Gives the item value of the chosen line; false when no line is chosen.
[[nodiscard]] bool ChosenItem(const ListBoxModel& list, int32_t& itemData);

// The order slot that a "Commands" line shows, or nullptr when its item value is no slot.
const OrderSlot* LineSlot(const GameState& game, const ListBoxModel::Line& line);

// Deleting the chosen "Commands" line frees the order slot it shows.
void DeleteChosenOrder(GameState& game, ListBoxModel& lstCommands);

} // namespace dered
