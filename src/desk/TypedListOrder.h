#pragma once

#include "desk/TypedOrder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// "DA 3", "CA 2 4", "GA 2 ALL", "SP 12 40 0 0 0 0", "VC 10 300": the code, then players,
// areas or numbers without blanks. words holds the code too.
[[nodiscard]] ParsedOrder ParseListCodeForm(const GameState& game, const OrderKind& kind,
                                            const std::vector<std::string>& words);

// "war on Borduria", "access for Borduria to Kestowen": a list order in the words the undo
// menu names it by; nothing when text starts with no such words.
[[nodiscard]] std::optional<ParsedOrder> ParseListNameForm(const GameState& game,
                                                           std::string_view text);

} // namespace dered
