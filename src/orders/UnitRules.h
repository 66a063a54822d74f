#pragma once

#include "orders/Outcome.h"

#include <cstdint>

namespace dered {

struct Turn;

// The orders that create, change or remove a unit, on `area`. Each refuses at the first rule
// that fails and then changes nothing; re-entering the order the area already has is ignored.
[[nodiscard]] Outcome BuildUnit(Turn& turn, int16_t area,
                                int16_t kind); // kind 1 army, 2 corps, 3 fleet, 4 squadron
[[nodiscard]] Outcome UpgradeUnit(Turn& turn, int16_t area);
[[nodiscard]] Outcome DowngradeUnit(Turn& turn, int16_t area);
[[nodiscard]] Outcome RemoveUnit(Turn& turn, int16_t area);

} // namespace dered
