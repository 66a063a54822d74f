#pragma once

#include "state/AllyOrders.h"
#include "state/GameState.h"

#include <string>

namespace dered {

// An ally's orders read from a file, or why nothing was read.
struct AllyFileRead {
    AllyOrders orders;
    std::string error; // names the file and the reason

    bool Read() const { return error.empty(); }
};

// Reads an ally's "commands.dat", line by line as the game master reads it, or an ally's
// "orders.tmp", whatever the file is called. The ally is the player its player code names
// ("BRIM-2093": the player BRIM); an "orders.tmp" names none, so the units its orders are given
// from do. A file of another game or turn, of no player of the game or of the own player, or
// one with a line that is no order, is refused whole.
[[nodiscard]] AllyFileRead ReadAllyOrders(const GameState& turn, const std::string& path);
[[nodiscard]] AllyFileRead ReadAllyOrdersText(const GameState& turn, const std::string& path,
                                              std::string text);

} // namespace dered
