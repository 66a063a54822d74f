#include "desk/AreaSearch.h"

#include <cctype>
#include <string>

namespace dered {

namespace {} // namespace

std::string FoldedName(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (c != ' ' && c != '_' && c != '\t') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

namespace {

bool AllDigits(const std::string& text) {
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<int16_t> MatchAreas(const GameState& game, std::string_view text) {
    std::string wanted = FoldedName(text);
    // A chosen completion, "Belanmar (134)", stands for its number.
    if (const auto open = wanted.rfind('('); open != std::string::npos && wanted.back() == ')') {
        wanted = wanted.substr(open + 1, wanted.size() - open - 2);
    }
    std::vector<int16_t> found;
    if (wanted.empty()) {
        return found;
    }
    if (AllDigits(wanted)) {
        if (wanted.size() <= 3) {
            const int area = std::stoi(wanted);
            if (area >= 1 && area <= MaxArea) {
                found.push_back(static_cast<int16_t>(area));
            }
        }
        return found;
    }
    std::vector<int16_t> inside;
    for (int16_t area = 1; area <= MaxArea; ++area) {
        const std::string name = FoldedName(game.Areas[area].Name);
        const auto at = name.find(wanted);
        if (at == 0) {
            found.push_back(area);
        } else if (at != std::string::npos) {
            inside.push_back(area);
        }
    }
    found.insert(found.end(), inside.begin(), inside.end());
    return found;
}

} // namespace dered
