#pragma once

#include "orders/Outcome.h"

#include <cstdint>

namespace dered {

struct GameState;
struct Turn;

// First steps of the two-step orders on `area`: refused when it holds no unit of the player,
// else the order waits for its target.
[[nodiscard]] Outcome CheckOwnUnit(const GameState& game, int16_t area); // MO, SA, SD
[[nodiscard]] Outcome CheckConvoyUnit(const GameState& game, int16_t area);

// Second steps, from `area` to the clicked `target`.
[[nodiscard]] Outcome MoveOrder(Turn& turn, int16_t area, int16_t target);
// Checks the target only: when it passes, the outcome asks whose attack is supported, and
// SupportAttackOrder stores the order with the answer.
[[nodiscard]] Outcome SupportAttackTarget(const GameState& game, int16_t area, int16_t target);
[[nodiscard]] Outcome SupportAttackOrder(Turn& turn, int16_t area, int16_t target,
                                         int16_t supported);
[[nodiscard]] Outcome SupportDefenceOrder(Turn& turn, int16_t area, int16_t target);
[[nodiscard]] Outcome ConvoyOrder(Turn& turn, int16_t area, int16_t target);

// True when b stands in one of a's neighbour slots. Only a's list is looked at, and an empty
// slot or a number that is no area is never a neighbour.
bool IsAdjacent(const GameState& game, int16_t a, int16_t b);
// Whether the unit of `from` may go to `to`; the refusal or the relation warning goes into
// `said`.
[[nodiscard]] bool ValidateMove(const GameState& game, int16_t from, int16_t to, Outcome& said);
// ValidateMove's verdict without its words; adjacency is not looked at.
[[nodiscard]] bool MoveIsValid(const GameState& game, int16_t from, int16_t to);
// A squadron carries only a corps: whether a naval unit of `navalKind` may carry a land unit
// of size `carried` (0 when unknown).
[[nodiscard]] bool CanCarry(int16_t navalKind, int16_t carried);
// The size of the unit at the coastal start of the convoy chain that ends in `area`, or 0
// (with a warning) when no start is found within ten links.
int16_t FindConvoyStart(const GameState& game, int16_t area, Outcome& said);
// 2 for an army or fleet, 1 for a corps or squadron, 0 for no unit.
int16_t UnitSize(const GameState& game, int16_t area);

} // namespace dered
