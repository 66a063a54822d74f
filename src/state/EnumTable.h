#pragma once

#include <array>
#include <cstddef>

namespace dered {

// The entry for an enum's value in a table written in the enum's order (its names, its
// widgets' codes); `none` for a value past the table, so that a value added to the enum
// without an entry reads as none instead of past the end.
template <typename Entry, size_t N, typename Enum>
constexpr Entry EntryOf(const std::array<Entry, N>& table, Enum value, Entry none) {
    const auto index = static_cast<size_t>(value);
    return index < N ? table[index] : none;
}

} // namespace dered
