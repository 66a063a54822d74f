#include "files/RememberedPlaces.h"

#include <array>
#include <charconv>
#include <system_error>

namespace dered {

namespace {

// "a,b,c": exactly that many whole numbers, each within int16_t, separated by commas.
template <size_t N> std::optional<std::array<int16_t, N>> ParseNumbers(const std::string& text) {
    std::array<int16_t, N> numbers{};
    const char* p = text.data();
    const char* end = p + text.size();
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) {
            if (p == end || *p != ',') {
                return std::nullopt;
            }
            ++p;
        }
        const auto [next, error] = std::from_chars(p, end, numbers[i]);
        if (error != std::errc{}) {
            return std::nullopt;
        }
        p = next;
    }
    if (p != end) {
        return std::nullopt;
    }
    return numbers;
}

} // namespace

std::optional<WindowRect> LoadWindowPlace(const IniService& ini, const std::string& window) {
    const auto n = ParseNumbers<4>(ini.GetString(kWindowPlacesSection, window, ""));
    if (!n || (*n)[2] <= 0 || (*n)[3] <= 0) {
        return std::nullopt;
    }
    return WindowRect{(*n)[0], (*n)[1], (*n)[2], (*n)[3]};
}

IniEntry WindowPlaceEntry(const std::string& window, const WindowRect& place) {
    return {kWindowPlacesSection, window,
            std::to_string(place.x) + "," + std::to_string(place.y) + "," +
                std::to_string(place.width) + "," + std::to_string(place.height)};
}

} // namespace dered
