#pragma once

#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

#include <array>
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

// Every fill an area can have: the players, the terrain, then the areas with no report data.
[[nodiscard]] std::vector<NamedColour> AreaFills(const SettingsRecord& settings,
                                                 const GameState& game);
// The names of the other fills that share fill `index`'s colour, in fill order.
[[nodiscard]] std::vector<std::string> SharingColour(const std::vector<NamedColour>& fills,
                                                     size_t index);
// Empty when the map tells every fill apart; else one line per colour that several fills
// share, naming them.
[[nodiscard]] std::string SameColourNotice(const SettingsRecord& settings, const GameState& game);

// The colours of a cell that the map options dialog changes.
struct ChangeableColours {
    int32_t border = 0;
    int32_t water = 0;
    std::array<int32_t, MaxPlayer + 1> country{};

    explicit ChangeableColours(const SettingsRecord& settings)
        : border(settings.BorderColour), water(settings.WaterColour),
          country(settings.CountryColour) {}
};

// Whether the cell shows a colour that changed since `before`: its fill, or the patch behind a
// unit, which is in the unit owner's colour.
[[nodiscard]] bool ShowsChangedColour(const ChangeableColours& before, const SettingsRecord& now,
                                      const HexMap& hexMap, const GameState& game, int col,
                                      int row);

} // namespace dered
