#include "desk/TypedWords.h"

#include "desk/AreaSearch.h"
#include "state/Text.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace dered {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string ShownName(const GameState& game, int16_t area) {
    std::string name = game.Areas[area].Name;
    std::replace(name.begin(), name.end(), '_', ' ');
    return name.empty() ? std::to_string(area) : name + " (" + std::to_string(area) + ")";
}

int16_t FindArea(const GameState& game, std::string_view text, std::string& problem) {
    const std::string wanted = TrimBlanks(text);
    if (wanted.empty()) {
        problem = "An area is missing";
        return 0;
    }
    const std::vector<int16_t> found = MatchAreas(game, wanted);
    for (const int16_t area : found) {
        if (FoldedName(game.Areas[area].Name) == FoldedName(wanted) ||
            std::to_string(area) == wanted) {
            return area;
        }
    }
    // Only a unique beginning stands for a name: "holding it" is too loose for an order.
    std::vector<int16_t> starting;
    for (const int16_t area : found) {
        if (FoldedName(game.Areas[area].Name).starts_with(FoldedName(wanted))) {
            starting.push_back(area);
        }
    }
    if (starting.size() == 1) {
        return starting.front();
    }
    if (starting.empty()) {
        problem = "No area is called \"" + wanted + "\"";
        return 0;
    }
    problem = "\"" + wanted + "\" could be " + ShownName(game, starting[0]) + " or " +
              ShownName(game, starting[1]) + (starting.size() > 2 ? " or others" : "");
    return 0;
}

// A player by number, abbreviation or name.
std::optional<int16_t> FindPlayer(const GameState& game, std::string_view text) {
    const std::string wanted = FoldedName(text);
    for (int16_t p = 0; p <= MaxPlayer && p <= std::max<int16_t>(game.PlayerCount, 0); ++p) {
        const PlayerRecord& player = game.Players[p];
        if (wanted == std::to_string(p) ||
            (!player.Abbrev.empty() && wanted == FoldedName(player.Abbrev)) ||
            (!player.Name.empty() && wanted == FoldedName(player.Name))) {
            return p;
        }
    }
    return std::nullopt;
}

std::vector<std::string> Words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

} // namespace dered
