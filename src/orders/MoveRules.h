#pragma once

#include <cstdint>

namespace dered {

class Program;
class GridModel;

// First steps of the two-step orders, on SelectedArea: abandon the order (clearing
// PendingCommand) when the area holds no unit of the player.
void CheckOwnUnit(Program& program);    // move, support attack, support defence
void CheckConvoyUnit(Program& program); // convoy

// Second steps, with the clicked target area. A refusal clears PendingCommand.
void MoveOrder(Program& program, int16_t target);
// Asks which player's attack is supported; the order is stored when that dialog closes.
void SupportAttackOrder(Program& program, int16_t target);
void SupportDefenceOrder(Program& program, int16_t target);
void ConvoyOrder(Program& program, int16_t target);

// Adds a spy target to the first empty cell of row 0, columns 0..5, of the spy grid.
void SpyOrder(Program& program, GridModel& grdSpy, int16_t area);

// True when b stands in one of a's neighbour slots. Only a's list is looked at, and an empty
// slot or a number that is no area is never a neighbour.
bool IsAdjacent(const Program& program, int16_t a, int16_t b);
// Whether the unit of `from` may go to `to`; shows the refusal or the relation warning itself.
bool ValidateMove(Program& program, int16_t from, int16_t to);
// The size of the unit at the coastal start of the convoy chain that ends in `area`, or 0
// (with a warning) when no start is found within ten links.
int16_t FindConvoyStart(Program& program, int16_t area);
// 2 for an army or fleet, 1 for a corps or squadron, 0 for no unit.
int16_t UnitSize(const Program& program, int16_t area);

} // namespace dered
