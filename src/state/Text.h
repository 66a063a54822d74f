#pragma once

#include <string>
#include <string_view>

namespace dered {

// The text without the blanks and tabs around it.
inline std::string TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace dered
