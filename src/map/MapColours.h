#pragma once

#include "state/GameState.h"
#include "state/SettingsRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// A colour the map fills areas with, and what it means.
struct NamedColour {
    std::string name;
    int32_t colour = 0;
    bool operator==(const NamedColour&) const = default;
};

// The players of the game, "ALB Albion", in player order.
[[nodiscard]] std::vector<NamedColour> PlayerColours(const SettingsRecord& settings,
                                                     const GameState& game);
// Water, the areas no unit may enter and land nobody owns.
[[nodiscard]] std::vector<NamedColour> TerrainColours(const SettingsRecord& settings);

// In a game of fewer than 12 players, areas the report says nothing about keep owner 12 and
// show in player 12's colour; none in a game of 12.
[[nodiscard]] std::vector<NamedColour> NoReportDataColour(const SettingsRecord& settings,
                                                          const GameState& game);

// Empty when the map tells the colour apart from every other fill; else a warning naming all
// that share it.
[[nodiscard]] std::string SameColourWarning(const SettingsRecord& settings, const GameState& game,
                                            int32_t colour);

} // namespace dered
