#pragma once

#include <cstdint>

namespace dered {

struct GameState;
struct Turn;

// First steps of the two-step orders, on SelectedArea: abandon the order (clearing
// PendingCommand) when the area holds no unit of the player.
void CheckOwnUnit(Turn& turn);    // move, support attack, support defence
void CheckConvoyUnit(Turn& turn); // convoy

// Second steps, with the clicked target area. A refusal clears PendingCommand.
void MoveOrder(Turn& turn, int16_t target);
// Asks which player's attack is supported; the order is stored when that dialog closes.
void SupportAttackOrder(Turn& turn, int16_t target);
void SupportDefenceOrder(Turn& turn, int16_t target);
void ConvoyOrder(Turn& turn, int16_t target);

// True when b stands in one of a's neighbour slots. Only a's list is looked at, and an empty
// slot or a number that is no area is never a neighbour.
bool IsAdjacent(const GameState& game, int16_t a, int16_t b);
// Whether the unit of `from` may go to `to`; shows the refusal or the relation warning itself.
bool ValidateMove(Turn& turn, int16_t from, int16_t to);
// The size of the unit at the coastal start of the convoy chain that ends in `area`, or 0
// (with a warning) when no start is found within ten links.
int16_t FindConvoyStart(Turn& turn, int16_t area);
// 2 for an army or fleet, 1 for a corps or squadron, 0 for no unit.
int16_t UnitSize(const GameState& game, int16_t area);

} // namespace dered
