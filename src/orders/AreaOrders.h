#pragma once

#include "orders/Outcome.h"
#include "state/GameState.h"

#include <cstdint>
#include <string_view>

namespace dered {

struct Turn;

// Stores an area order on `area`: checks a move or support first, gives back what the replaced
// order had charged, and raises OrderStored. A read-only turn refuses all.
[[nodiscard]] Outcome SetAreaCommand(Turn& turn, int16_t area, std::string_view code, int16_t parm1,
                                     int16_t parm2);
// Withdraws the order of `area`, if it has one; the area is settled.
Outcome ClearAreaCommand(Turn& turn, int16_t area);
// Charges (negative) or credits free supply points. A credit pays off a shortage but never
// turns it into spare points.
void AdjustSupply(Turn& turn, int16_t amount);

// An area number that may index the area table: anything outside 0..293 is no area (0).
inline int16_t AreaOrNone(int16_t area) {
    return area >= 0 && area <= MaxArea ? area : 0;
}
inline const AreaRecord& AreaAt(const GameState& game, int16_t area) {
    return game.Areas[AreaOrNone(area)];
}
inline AreaRecord& AreaAt(GameState& game, int16_t area) {
    return game.Areas[AreaOrNone(area)];
}

} // namespace dered
