#pragma once

// The order codes of the two orders files, by the numbers each carries.
#include <algorithm>
#include <array>
#include <string_view>

namespace dered::order_codes {

inline constexpr std::array<std::string_view, 7> kPlainArea = {"AA", "AC", "AF", "AS",
                                                               "DU", "RU", "UU"};
inline constexpr std::array<std::string_view, 3> kTargetArea = {"CO", "MO", "SD"};
inline constexpr std::array<std::string_view, 3> kOnePlayer = {"DA", "DN", "DW"};
inline constexpr std::array<std::string_view, 3> kTwoNumber = {"CA", "GA", "VC"};
inline constexpr int kSpySlots = 2;

template <size_t N>
bool IsOneOf(std::string_view code, const std::array<std::string_view, N>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// A code the writer writes, or the end mark: where reading can pick up after a broken entry.
inline bool StartsAnEntry(std::string_view text) {
    return IsOneOf(text, kPlainArea) || IsOneOf(text, kTargetArea) || IsOneOf(text, kOnePlayer) ||
           IsOneOf(text, kTwoNumber) || text == "SA" || text == "SP" || text == "END";
}

} // namespace dered::order_codes
