#pragma once

#include "state/GameState.h"
#include "state/TurnEvents.h"

namespace dered {

// What the order rules work on: the records and the change signal they raise. They tell the
// player nothing themselves: each gives back an Outcome.
struct Turn {
    GameState& game;
    TurnEvents& events;
};

} // namespace dered
