#pragma once

#include <cstdint>

namespace dered {

struct Point32 {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point32&) const = default;
};

} // namespace dered
