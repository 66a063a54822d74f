#pragma once

#include <cstdint>

namespace dered {

// What was dragged onto a control: only the map view itself moves the map.
enum class DragSource { PictureBox, Other };

inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
// Shift, Ctrl and Alt held together.
inline constexpr int16_t kEditCellShift = 7;

} // namespace dered
