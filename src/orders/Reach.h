#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace dered {

// How a unit gets into an area next turn.
enum class ReachWay : uint8_t {
    Step,   // from a neighbouring area, as a move order there would pass the rules
    Convoy, // an army or corps on a coast carried by a fleet or squadron of its player
};

// A unit that can get into an area next turn.
struct Reacher {
    int16_t from = 0; // the unit's area
    int16_t owner = 0;
    int16_t kind = 0;
    ReachWay way = ReachWay::Step;
    bool operator==(const Reacher&) const = default;
};

// Who can get into each area next turn, judged by the movement rules from where the units
// stand now; the orders given are not followed. A unit that can step in can also support an
// attack on the area or its defence, as the rules judge a support as they judge a move; a
// convoyed one can only move in.
class ReachMap {
  public:
    explicit ReachMap(const GameState& game);
    // Ordered by the unit's area, each unit once; empty for a number that is no area.
    std::span<const Reacher> Into(int16_t area) const;

  private:
    std::vector<Reacher> reachers_;             // grouped by the area reached
    std::array<uint32_t, MaxArea + 2> first_{}; // where each area's group starts
};

} // namespace dered
