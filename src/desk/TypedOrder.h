#pragma once

#include "state/GameState.h"
#include "state/OrderKinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// An area order as the player typed it, with its areas found.
struct TypedOrder {
    const OrderKind* kind = nullptr; // one of the area orders; null: withdraw the area's order
    int16_t area = 0;                // the ordering area
    int16_t target = 0;              // moves, supports and convoys
    // Support attack: whose attack (the own player for an own attack); empty for other orders.
    std::optional<int16_t> supported;
};

// A typed order, or why it could not be read.
struct ParsedOrder {
    std::optional<TypedOrder> order;
    std::string problem;
};

// Reads an area order typed as the game master reads it ("MO 118 106", "SA 118 106 3") or
// with area names or numbers:
//   Ostisoth - Ularith                   move
//   Ostisoth supports Ularith            support of the defence of Ularith
//   Ostisoth supports Kestowen - Ularith support of the attack from Kestowen on Ularith
//   Ostisoth convoys Ularith             convoy to the next area of the chain
//   Ostisoth builds army (corps, fleet, squadron), Ostisoth upgrades, Ostisoth downgrades,
//   Ostisoth removes, Ostisoth cancels (withdraws the area's order)
// Words and codes are read without regard to case; a name may be shortened while only one area
// has a name starting so. Nothing is checked against the rules here.
[[nodiscard]] ParsedOrder ParseOrder(const GameState& game, std::string_view text);

// The areas whose names complete the last name being typed in text, best first, at most `limit`
// of them, each as the whole text with that name completed.
std::vector<std::string> OrderCompletions(const GameState& game, std::string_view text,
                                          size_t limit);

} // namespace dered
