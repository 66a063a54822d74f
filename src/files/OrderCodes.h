#pragma once

// The order codes of the two orders files, by the numbers each carries.
#include "state/OrderKinds.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace dered::order_codes {

constexpr size_t CountOf(OrderShape shape) {
    size_t count = 0;
    for (const OrderKind& kind : kOrderKinds) {
        count += kind.shape == shape ? 1 : 0;
    }
    return count;
}

template <OrderShape Shape> constexpr std::array<std::string_view, CountOf(Shape)> CodesOf() {
    std::array<std::string_view, CountOf(Shape)> codes{};
    size_t i = 0;
    for (const OrderKind& kind : kOrderKinds) {
        if (kind.shape == Shape) {
            codes[i++] = kind.code;
        }
    }
    return codes;
}

inline constexpr auto kPlainArea = CodesOf<OrderShape::PlainArea>();
inline constexpr auto kTargetArea = CodesOf<OrderShape::TargetArea>();
inline constexpr auto kOnePlayer = CodesOf<OrderShape::OnePlayer>();
inline constexpr auto kTwoNumber = CodesOf<OrderShape::TwoNumbers>();
inline constexpr int kSpySlots = 2;

template <size_t N>
bool IsOneOf(std::string_view code, const std::array<std::string_view, N>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A code the writer writes, or the end mark: where reading can pick up after a broken entry.
inline bool StartsAnEntry(std::string_view text) {
    return FindOrderKind(text) != nullptr || text == "END";
}

} // namespace dered::order_codes
