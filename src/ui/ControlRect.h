#pragma once

namespace dered {

// A control's place in the window, in pixels from the window's top-left corner.
struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool Contains(float x, float y) const {
        return x >= static_cast<float>(left) && x < static_cast<float>(left + width) &&
               y >= static_cast<float>(top) && y < static_cast<float>(top + height);
    }
};

} // namespace dered
