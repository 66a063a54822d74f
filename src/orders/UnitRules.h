#pragma once

#include <cstdint>

namespace dered {

class Program;

// The orders that create, change or remove a unit, on SelectedArea. Each refuses with a
// message at the first rule that fails and then changes nothing; re-entering the order the
// area already has is ignored.
void BuildUnit(Program& program, int16_t kind); // kind 1 army, 2 corps, 3 fleet, 4 squadron
void UpgradeUnit(Program& program);
void DowngradeUnit(Program& program);
void RemoveUnit(Program& program);

} // namespace dered
