#include "desk/TypedOrder.h"

#include "desk/AreaSearch.h"
#include "desk/TypedListOrder.h"
#include "desk/TypedWords.h"
#include "state/CodeTables.h"
#include "state/Text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace dered {

namespace {

// Where " word " stands in text, without regard to case; npos when it does not.
size_t FindWord(std::string_view text, std::string_view word) {
    std::string needle(1, ' ');
    needle.append(word).push_back(' ');
    return Lower(text).find(needle);
}

TypedOrder Typed(const OrderKind* kind, int16_t area, int16_t target = 0,
                 std::optional<int16_t> supported = std::nullopt) {
    return TypedOrder{kind, area, target, supported};
}

ParsedOrder Problem(std::string text) {
    return {std::nullopt, std::move(text)};
}

ParsedOrder Ordered(const std::string& problem, TypedOrder order) {
    if (!problem.empty()) {
        return Problem(problem);
    }
    return {order, {}};
}

// "MO 118 106", "SA 118 106 3", "AA 134": the code, then numbers or names without blanks.
ParsedOrder ParseCodeForm(const GameState& game, const OrderKind& kind,
                          const std::vector<std::string>& words) {
    const size_t needed = kind.shape == OrderShape::PlainArea ? 2 : 3;
    const size_t most = kind.shape == OrderShape::SupportAttack ? 4 : needed;
    if (words.size() < needed || words.size() > most) {
        return Problem(std::string(kind.code) + " takes " +
                       (needed == 2 ? "one area" : "an area and a target area") +
                       (most == 4 ? ", and the player whose attack it supports" : ""));
    }
    std::string problem;
    TypedOrder order{&kind, FindArea(game, words[1], problem), 0, std::nullopt};
    if (needed == 3 && problem.empty()) {
        order.target = FindArea(game, words[2], problem);
    }
    if (kind.shape == OrderShape::SupportAttack) {
        order.supported = game.OwnPlayer;
        if (words.size() == 4) {
            const std::optional<int16_t> player = FindPlayer(game, words[3]);
            if (!player) {
                return Problem("No player is called \"" + words[3] + "\"");
            }
            order.supported = *player == 0 ? game.OwnPlayer : *player;
        }
    }
    return Ordered(problem, order);
}

struct OneAreaWord {
    std::string_view word;
    std::string_view code; // empty: withdraw
};
constexpr std::array<OneAreaWord, 5> kOneAreaWords = {{{"upgrades", OrderCode::Upgrade},
                                                       {"downgrades", OrderCode::Downgrade},
                                                       {"removes", OrderCode::Remove},
                                                       {"cancels", ""},
                                                       {"withdraws", ""}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kBuildWords = {
    {{"army", OrderCode::AddArmy},
     {"corps", OrderCode::AddCorps},
     {"fleet", OrderCode::AddFleet},
     {"squadron", OrderCode::AddSquadron}}};

// "Ostisoth upgrades", "Ostisoth builds fleet": an area, then words.
std::optional<ParsedOrder> ParseAreaWords(const GameState& game, std::string_view text) {
    const std::vector<std::string> words = Words(Lower(text));
    if (words.empty()) {
        return std::nullopt;
    }
    const std::string& last = words.back();
    const size_t lastAt = Lower(text).rfind(last);
    std::string problem;
    for (const OneAreaWord& w : kOneAreaWords) {
        if (last == w.word || last + "s" == w.word) {
            const int16_t area = FindArea(game, text.substr(0, lastAt), problem);
            return Ordered(problem, Typed(w.code.empty() ? nullptr : FindOrderKind(w.code), area));
        }
    }
    if (words.size() >= 3 &&
        (words[words.size() - 2] == "builds" || words[words.size() - 2] == "build")) {
        for (const auto& [word, code] : kBuildWords) {
            if (last == word) {
                const size_t buildAt = Lower(text).rfind(" build");
                const int16_t area = FindArea(game, text.substr(0, buildAt), problem);
                return Ordered(problem, Typed(FindOrderKind(code), area));
            }
        }
        return Problem("A build is of an army, a corps, a fleet or a squadron");
    }
    return std::nullopt;
}

ParsedOrder ParseNameForm(const GameState& game, std::string_view text) {
    std::string problem;
    if (const size_t at = FindWord(text, "supports"); at != std::string::npos) {
        const int16_t area = FindArea(game, text.substr(0, at), problem);
        const std::string_view rest = text.substr(at + 10);
        const size_t dash = rest.find(" - ");
        if (dash == std::string_view::npos) {
            const int16_t target = problem.empty() ? FindArea(game, rest, problem) : 0;
            return Ordered(problem, Typed(FindOrderKind(OrderCode::SupportDefence), area, target));
        }
        const int16_t attacker =
            problem.empty() ? FindArea(game, rest.substr(0, dash), problem) : 0;
        const int16_t target = problem.empty() ? FindArea(game, rest.substr(dash + 3), problem) : 0;
        const int16_t owner = game.Areas[attacker].UnitOwner;
        if (problem.empty() && game.Areas[attacker].UnitKind == NoUnit) {
            problem = "No unit in " + ShownName(game, attacker) + " to support";
        }
        return Ordered(problem, Typed(FindOrderKind(OrderCode::SupportAttack), area, target,
                                      owner == 0 ? game.OwnPlayer : owner));
    }
    if (const size_t at = FindWord(text, "convoys"); at != std::string::npos) {
        const int16_t area = FindArea(game, text.substr(0, at), problem);
        const int16_t target = problem.empty() ? FindArea(game, text.substr(at + 9), problem) : 0;
        return Ordered(problem, Typed(FindOrderKind(OrderCode::Convoy), area, target));
    }
    if (const size_t dash = text.find(" - "); dash != std::string_view::npos) {
        const int16_t area = FindArea(game, text.substr(0, dash), problem);
        const int16_t target = problem.empty() ? FindArea(game, text.substr(dash + 3), problem) : 0;
        return Ordered(problem, Typed(FindOrderKind(OrderCode::Move), area, target));
    }
    if (std::optional<ParsedOrder> parsed = ParseAreaWords(game, text)) {
        return *parsed;
    }
    return Problem("Not an order: type it as \"MO 118 106\" or \"Ostisoth - Ularith\"");
}

} // namespace

ParsedOrder ParseOrder(const GameState& game, std::string_view typed) {
    const std::string text = TrimBlanks(typed);
    if (text.empty()) {
        return Problem("Type an order first");
    }
    const std::vector<std::string> words = Words(text);
    std::string code = words.front();
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (const OrderKind* kind = FindOrderKind(code); kind != nullptr && words.size() > 1) {
        const bool areaOrder = kind - kOrderKinds.data() < static_cast<ptrdiff_t>(kAreaOrderKinds);
        return areaOrder ? ParseCodeForm(game, *kind, words)
                         : ParseListCodeForm(game, *kind, words);
    }
    if (std::optional<ParsedOrder> listed = ParseListNameForm(game, text)) {
        return *listed;
    }
    return ParseNameForm(game, text);
}

std::vector<std::string> OrderCompletions(const GameState& game, std::string_view text,
                                          size_t limit) {
    // The name being typed starts after the last separator.
    size_t start = 0;
    for (const std::string_view separator :
         {" - ", " supports ", " convoys ", " to ", "spies in ", ", "}) {
        const size_t at = Lower(text).rfind(separator);
        if (at != std::string::npos) {
            start = std::max(start, at + separator.size());
        }
    }
    const std::string_view typed = text.substr(start);
    std::vector<std::string> completions;
    if (TrimBlanks(typed).size() < 2) {
        return completions;
    }
    for (const int16_t area : MatchAreas(game, typed)) {
        if (completions.size() >= limit) {
            break;
        }
        std::string name = game.Areas[area].Name;
        std::replace(name.begin(), name.end(), '_', ' ');
        if (!name.empty()) {
            completions.push_back(std::string(text.substr(0, start)) + name);
        }
    }
    return completions;
}

} // namespace dered
