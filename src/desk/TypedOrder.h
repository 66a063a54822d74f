#pragma once

#include "state/GameState.h"
#include "state/OrderKinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// An order as the player typed it, with its areas and players found.
struct TypedOrder {
    const OrderKind* kind = nullptr; // null: withdraw the area's order
    int16_t area = 0;                // the ordering area
    int16_t target = 0;              // moves, supports and convoys
    // Support attack: whose attack (the own player for an own attack); empty for other orders.
    std::optional<int16_t> supported;
    // A list order's numbers as commands.dat writes them (access to all areas: -1).
    std::vector<int16_t> numbers{};
};

// A typed order, or why it could not be read.
struct ParsedOrder {
    std::optional<TypedOrder> order;
    std::string problem;
};

// Reads an order typed as the game master reads it ("MO 118 106", "SA 118 106 3", "DA 3",
// "CA 2 4", "GA 2 12", "GA 2 ALL", "SP 12 40", "VC 10 300") or with area and player names or
// numbers:
//   Ostisoth - Ularith                   move
//   Ostisoth supports Ularith            support of the defence of Ularith
//   Ostisoth supports Kestowen - Ularith support of the attack from Kestowen on Ularith
//   Ostisoth convoys Ularith             convoy to the next area of the chain
//   Ostisoth builds army (corps, fleet, squadron), Ostisoth upgrades, Ostisoth downgrades,
//   Ostisoth removes, Ostisoth cancels (withdraws the area's order)
//   alliance with Borduria, neutrality towards Borduria, war on Borduria
//   call to arms of Borduria against Drava
//   access for Borduria to Kestowen (or to all)
//   spies in Kestowen, Ularith
//   victory conditions 10 300
// Words and codes are read without regard to case; a name may be shortened while only one area
// has a name starting so. Nothing is checked against the rules here.
[[nodiscard]] ParsedOrder ParseOrder(const GameState& game, std::string_view text);

// The areas whose names complete the last name being typed in text, best first, at most `limit`
// of them, each as the whole text with that name completed.
std::vector<std::string> OrderCompletions(const GameState& game, std::string_view text,
                                          size_t limit);

} // namespace dered
