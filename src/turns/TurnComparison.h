#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <vector>

namespace dered {

struct OwnerChange {
    int16_t area = 0;
    int16_t before = 0;
    int16_t after = 0;
    bool operator==(const OwnerChange&) const = default;
};

// A unit that appeared (kind 0 before), vanished (kind 0 after) or changed kind or owner.
struct UnitChange {
    int16_t area = 0;
    int16_t kindBefore = 0;
    int16_t ownerBefore = 0;
    int16_t kindAfter = 0;
    int16_t ownerAfter = 0;
    bool operator==(const UnitChange&) const = default;
};

struct PlayerTally {
    int supplyCentres = 0; // the supply of the areas the player owns
    int units = 0;
    int areas = 0; // areas the player owns
    bool operator==(const PlayerTally&) const = default;
};

using PlayerTallies = std::array<PlayerTally, MaxPlayer + 1>;

struct TurnComparison {
    std::vector<OwnerChange> owners; // by area
    std::vector<UnitChange> units;   // by area
    PlayerTallies then{};
    PlayerTallies now{};

    size_t ChangeCount() const { return owners.size() + units.size(); }
};

// What changed from `then` to `now`, over the areas both reports cover. The map's supply
// values are taken from `now`, as both turns lie on the same map.
[[nodiscard]] TurnComparison CompareTurns(const GameState& then, const GameState& now);

// Each player's supply centres, units and areas in `game`, over the areas its report covers,
// with the supply values of `map`.
[[nodiscard]] PlayerTallies TallyPlayers(const GameState& game, const GameState& map);

} // namespace dered
