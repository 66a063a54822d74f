#pragma once

#include "orders/Reach.h"
#include "state/GameState.h"

#include <cstdint>
#include <vector>

namespace dered {

// An area's prospects next turn, for the own player.
struct ReachBalance {
    int threat = 0; // units of players not allied with the player that can get in
    int cover = 0;  // own and allied units that can support its defence, and the one holding it
    int Margin() const { return threat - cover; }
    bool operator==(const ReachBalance&) const = default;
};

// Neither the own player nor allied with it.
[[nodiscard]] bool IsRival(const GameState& game, int16_t player);
[[nodiscard]] ReachBalance BalanceOf(const GameState& game, const ReachMap& reach, int16_t area);

enum class ThreatTo : uint8_t { SupplyCentre, Unit };

struct Threat {
    ThreatTo what = ThreatTo::SupplyCentre;
    int16_t area = 0;
    ReachBalance balance;
    bool operator==(const Threat&) const = default;
};

// The own supply centres, then the own units, that a rival can get into next turn; in each
// part the most threatened first: the greatest margin, then the most rivals, then by area.
[[nodiscard]] std::vector<Threat> FindThreats(const GameState& game, const ReachMap& reach);

} // namespace dered
