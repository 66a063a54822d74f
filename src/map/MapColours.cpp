#include "map/MapColours.h"

#include <algorithm>

namespace dered {

std::vector<NamedColour> PlayerColours(const SettingsRecord& settings, const GameState& game) {
    std::vector<NamedColour> colours;
    const int players = std::clamp<int>(game.PlayerCount, 0, MaxPlayer);
    for (int p = 1; p <= players; ++p) {
        const PlayerRecord& player = game.Players[p];
        colours.push_back({player.Abbrev + " " + player.Name, settings.CountryColour[p]});
    }
    return colours;
}

std::vector<NamedColour> TerrainColours(const SettingsRecord& settings) {
    return {{"Water", settings.WaterColour},
            {"No entry", settings.NoGoColour},
            {"Land of no player", settings.CountryColour[0]}};
}

std::vector<NamedColour> NoReportDataColour(const SettingsRecord& settings, const GameState& game) {
    if (game.PlayerCount >= MaxPlayer) {
        return {};
    }
    return {{"No report data", settings.CountryColour[MaxPlayer]}};
}

std::string SameColourWarning(const SettingsRecord& settings, const GameState& game,
                              int32_t colour) {
    std::vector<NamedColour> fills = PlayerColours(settings, game);
    const auto terrain = TerrainColours(settings);
    fills.insert(fills.end(), terrain.begin(), terrain.end());
    std::vector<std::string> sharing;
    for (const NamedColour& fill : fills) {
        if (fill.colour == colour) {
            sharing.push_back(fill.name);
        }
    }
    if (sharing.size() < 2) {
        return {};
    }
    std::string names;
    for (size_t i = 0; i < sharing.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == sharing.size() ? " and " : ", ") + sharing[i];
    }
    return names + " have the same colour: the map cannot tell them apart.";
}

} // namespace dered
