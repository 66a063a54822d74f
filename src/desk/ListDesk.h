#pragma once

#include "orders/Outcome.h"
#include "state/OrderKinds.h"

#include <cstdint>
#include <vector>

namespace dered {

struct Turn;

// Where a list order enters the records when it is given without its window (typed or
// scripted): the numbers as commands.dat writes them, players and areas (a grant of all areas:
// -1), spy targets or turns and points. The rules are those the windows use.
[[nodiscard]] Outcome EnterListOrder(Turn& turn, const OrderKind& kind,
                                     const std::vector<int16_t>& numbers);

// How many numbers a list order takes: at least, and at most.
struct NumberCount {
    size_t least;
    size_t most;
};
NumberCount ListOrderNumbers(const OrderKind& kind);

} // namespace dered
