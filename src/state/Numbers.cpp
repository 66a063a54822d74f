#include "state/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dered {

int32_t Nearest(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

bool NearestInt16(double value, int16_t& out) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max())) {
        return false;
    }
    out = static_cast<int16_t>(rounded);
    return true;
}

int16_t Add16(int16_t a, int32_t b) {
    const int32_t sum = static_cast<int32_t>(a) + b;
    return static_cast<int16_t>(std::clamp<int32_t>(sum, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

std::string SignedText(int32_t n) {
    // Appended, not " " + ...: GCC 12 warns falsely (-Wrestrict) on that form when optimising.
    std::string text(n >= 0 ? 1 : 0, ' ');
    return text.append(std::to_string(n));
}

} // namespace dered
