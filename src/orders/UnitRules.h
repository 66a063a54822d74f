#pragma once

#include <cstdint>

namespace dered {

struct Turn;

// The orders that create, change or remove a unit, on SelectedArea. Each refuses with a
// message at the first rule that fails and then changes nothing; re-entering the order the
// area already has is ignored.
void BuildUnit(Turn& turn, int16_t kind); // kind 1 army, 2 corps, 3 fleet, 4 squadron
void UpgradeUnit(Turn& turn);
void DowngradeUnit(Turn& turn);
void RemoveUnit(Turn& turn);

} // namespace dered
