#pragma once

#include "orders/Outcome.h"
#include "orders/Turn.h"
#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dered {

// The rules of the list orders: declarations, calls to arms, grants of access, spy targets and
// victory conditions. Each one that stores an order writes the order list, raises the turn's
// event and gives back the slot it used; each refusal leaves the records as they were. The
// windows narrow the choice to what passes; typed orders can name anything, so every rule
// checks its arguments itself.

// A player's standing towards the own player in the report's relations.
enum class Standing { Ally, Neutral, Enemy };
Standing StandingOf(const GameState& game, int16_t player);

// Alliance or war with a neutral player, or neutrality towards an ally or enemy; one
// declaration per player, whatever its kind.
[[nodiscard]] Outcome Declare(Turn& turn, std::string_view code, int16_t player);
bool WarAllowed(const GameState& game);

// A call to arms: an ally, or a player declared one this turn, against an enemy, or a player
// war is declared on this turn.
[[nodiscard]] Outcome CallToArms(Turn& turn, int16_t ally, int16_t enemy);
bool CallsToArmsAllowed(const GameState& game);
bool CanBeCalled(const GameState& game, int16_t player);
bool CanBeCalledAgainst(const GameState& game, int16_t player);

// Access for an ally to one of the own areas, or to all of them.
[[nodiscard]] Outcome GrantAccess(Turn& turn, int16_t player, int16_t area);
[[nodiscard]] Outcome GrantAccessToAll(Turn& turn, int16_t player);

// The six spy targets of the order list's first two slots, 0 for a free place.
inline constexpr int kSpyTargets = 6;
using SpyRow = std::array<int16_t, kSpyTargets>;
SpyRow SpyRowOf(const GameState& game);
// The first place not taken, or the refusal when all six are.
struct SpyPlace {
    int place = -1;
    Outcome refusal;
};
SpyPlace NextSpyPlace(const std::array<bool, kSpyTargets>& taken);
// Areas added to the spy targets, each in the first free place; refused when they do not all
// fit.
[[nodiscard]] Outcome AddSpyTargets(Turn& turn, const std::vector<int16_t>& areas);

// Victory conditions are proposed on the first turn of a game only, in one order; a new one
// replaces the first one in the list.
bool VictoryConditionsAllowed(const GameState& game);
[[nodiscard]] Outcome SetVictoryConditions(Turn& turn, int16_t turns, int16_t points);
// The victory conditions order taken out of the list (turns and points), if there is one.
std::optional<std::array<int16_t, 2>> TakeOutVictoryConditions(GameState& game);
// The victory conditions order put (back) into the list.
[[nodiscard]] Outcome PutVictoryConditions(Turn& turn, int16_t turns, int16_t points);

inline constexpr const char* kWarNotYet = "War can be declared from the second turn of the game on";
inline constexpr const char* kCallToArmsNotYet =
    "Can't declare war or call to arms on the first three turns";
inline constexpr const char* kVictoryConditionsNotNow =
    "Victory conditions are set on the first turn of a game only";
inline constexpr const char* kMustOwnArea = "Must own the area to grant access";
inline constexpr const char* kSpyLimit = "Already at limit of spies";

} // namespace dered
