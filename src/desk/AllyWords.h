#pragma once

#include "desk/OrderWords.h"
#include "state/AllyOrders.h"
#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// "BRIM (Brimwend Union)"; "player 5" where the report names no such player.
std::string AllyLabel(const GameState& turn, int16_t player);

// The ally's order as a record the order words read, with the ally's unit where the turn
// shows it.
AreaRecord AllyOrderRecord(const GameState& turn, int16_t player, const AllyAreaOrder& order);

// "Army in Ostisoth (118) moves to Belanmar (134)", marked when the turn does not show the ally
// where the order is given from.
std::string AllyOrderSentence(const GameState& turn, int16_t player, const AllyAreaOrder& order);

// The ally's orders under the ally's name: the area orders by area (their lines go to the area),
// then the list orders.
std::vector<OverviewLine> AllyOrderLines(const GameState& turn, const AllyOrders& ally);
// The same for each ally in turn.
std::vector<OverviewLine> AllyOverviewLines(const GameState& turn, const AllyOrderSets& allies);

} // namespace dered
