#include "desk/TypedListOrder.h"

#include "desk/ListDesk.h"
#include "desk/TypedWords.h"
#include "state/Text.h"

#include <algorithm>
#include <charconv>

namespace dered {

namespace {

enum class Role { Player, Area, AreaOrAll, Number };

Role RoleOf(const OrderKind& kind, size_t index) {
    if (kind.shape == OrderShape::Spy) {
        return Role::Area;
    }
    if (kind.code == OrderCode::Victory) {
        return Role::Number;
    }
    return kind.code == OrderCode::GrantAccess && index == 1 ? Role::AreaOrAll : Role::Player;
}

std::string Takes(const OrderKind& kind) {
    const std::string code(kind.code);
    if (kind.shape == OrderShape::OnePlayer) {
        return code + " takes a player";
    }
    if (kind.shape == OrderShape::Spy) {
        return code + " takes one to six areas";
    }
    if (kind.code == OrderCode::GrantAccess) {
        return code + " takes a player and one of your areas, or ALL";
    }
    if (kind.code == OrderCode::Victory) {
        return code + " takes the turns and the points";
    }
    return code + " takes two players: the ally and the enemy";
}

// One number of a list order; problem tells why the text is none.
int16_t Value(const GameState& game, Role role, std::string_view text, std::string& problem) {
    const std::string word = TrimBlanks(text);
    if (role == Role::Player) {
        const std::optional<int16_t> player = FindPlayer(game, word);
        if (!player) {
            problem = word.empty() ? "A player is missing" : "No player is called \"" + word + "\"";
        }
        return player.value_or(0);
    }
    if (role == Role::Number) {
        int16_t number = 0;
        const char* end = word.data() + word.size();
        const auto [stop, error] = std::from_chars(word.data(), end, number);
        if (word.empty() || error != std::errc{} || stop != end) {
            problem = "\"" + word + "\" is no whole number from -32768 to 32767";
        }
        return number;
    }
    if (role == Role::AreaOrAll && (Lower(word) == "all" || Lower(word) == "all areas")) {
        return -1;
    }
    return FindArea(game, word, problem);
}

ParsedOrder Read(const GameState& game, const OrderKind& kind,
                 const std::vector<std::string>& values) {
    const NumberCount count = ListOrderNumbers(kind);
    if (values.size() < count.least || values.size() > count.most) {
        return {std::nullopt, Takes(kind)};
    }
    TypedOrder order;
    order.kind = &kind;
    std::string problem;
    for (size_t i = 0; i < values.size() && problem.empty(); ++i) {
        order.numbers.push_back(Value(game, RoleOf(kind, i), values[i], problem));
    }
    if (!problem.empty()) {
        return {std::nullopt, problem};
    }
    return {order, {}};
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

// The words after the order's own: "Borduria against Drava", "in Kestowen, Ularith".
std::vector<std::string> NamedValues(const OrderKind& kind, std::string_view rest) {
    if (kind.shape == OrderShape::Spy) {
        const std::string trimmed = TrimBlanks(rest);
        const std::string lower = Lower(trimmed);
        const bool in = lower == "in" || lower.starts_with("in ");
        return SplitAt(in ? trimmed.substr(2) : trimmed, ',');
    }
    if (kind.code == OrderCode::Victory) {
        return Words(rest);
    }
    if (kind.join.empty()) {
        return {std::string(rest)};
    }
    const size_t at = Lower(rest).find(kind.join);
    if (at == std::string::npos) {
        return {std::string(rest)};
    }
    return {std::string(rest.substr(0, at)), std::string(rest.substr(at + kind.join.size()))};
}

} // namespace

ParsedOrder ParseListCodeForm(const GameState& game, const OrderKind& kind,
                              const std::vector<std::string>& words) {
    std::vector<std::string> values(words.begin() + 1, words.end());
    // commands.dat fills the spy line up with zeros.
    if (kind.shape == OrderShape::Spy) {
        values.erase(std::remove(values.begin(), values.end(), "0"), values.end());
    }
    return Read(game, kind, values);
}

std::optional<ParsedOrder> ParseListNameForm(const GameState& game, std::string_view text) {
    const std::string lower = Lower(text);
    for (size_t i = kAreaOrderKinds; i < kOrderKinds.size(); ++i) {
        const OrderKind& kind = kOrderKinds[i];
        const std::string lead = std::string(kind.undo) + " ";
        if (lower.starts_with(lead)) {
            return Read(game, kind, NamedValues(kind, text.substr(lead.size())));
        }
    }
    return std::nullopt;
}

} // namespace dered
