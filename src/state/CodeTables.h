#pragma once

#include <cstdint>
#include <string_view>

namespace dered {

enum TerrainKind : int16_t { Land = 1, Coast = 2, Water = 3, NoEntry = 4 };
enum UnitKindCode : int16_t { NoUnit = 0, Army = 1, Corps = 2, Fleet = 3, Squadron = 4 };

std::string_view TerrainWord(int16_t terrain);
// Empty for 0 and for any value outside 1..4.
std::string_view UnitWord(int16_t unitKind);
// Supply upkeep: 2 for army and fleet, 1 for corps and squadron, 0 otherwise.
int16_t UnitKindSize(int16_t unitKind);

} // namespace dered
