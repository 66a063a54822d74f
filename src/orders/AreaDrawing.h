#pragma once

#include <cstdint>
#include <string>

namespace dered {

// What the order rules ask of the map after an order changed: the map window implements it.
class AreaDrawing {
  public:
    virtual ~AreaDrawing() = default;
    virtual void RedrawArea(int16_t area) = 0;
    virtual void RefreshView() = 0;
    virtual void DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code) = 0;
};

} // namespace dered
