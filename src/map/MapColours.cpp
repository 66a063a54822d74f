#include "map/MapColours.h"

#include "state/CodeTables.h"

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

std::vector<NamedColour> AreaFills(const SettingsRecord& settings, const GameState& game) {
    std::vector<NamedColour> fills = PlayerColours(settings, game);
    const auto terrain = TerrainColours(settings);
    fills.insert(fills.end(), terrain.begin(), terrain.end());
    const auto noData = NoReportDataColour(settings, game);
    fills.insert(fills.end(), noData.begin(), noData.end());
    return fills;
}

std::vector<std::string> SharingColour(const std::vector<NamedColour>& fills, size_t index) {
    std::vector<std::string> names;
    for (size_t i = 0; i < fills.size(); ++i) {
        if (i != index && fills[i].colour == fills[index].colour) {
            names.push_back(fills[i].name);
        }
    }
    return names;
}

std::string SameColourNotice(const SettingsRecord& settings, const GameState& game) {
    const std::vector<NamedColour> fills = AreaFills(settings, game);
    std::string notice;
    for (size_t i = 0; i < fills.size(); ++i) {
        const std::vector<std::string> others = SharingColour(fills, i);
        // Each group once, where its first member stands.
        const bool first =
            std::none_of(fills.begin(), fills.begin() + static_cast<long>(i),
                         [&](const NamedColour& f) { return f.colour == fills[i].colour; });
        if (others.empty() || !first) {
            continue;
        }
        std::string names = fills[i].name;
        for (size_t k = 0; k < others.size(); ++k) {
            names += (k + 1 == others.size() ? " and " : ", ") + others[k];
        }
        notice += (notice.empty() ? "" : "\n") + names +
                  " have the same colour: the map cannot tell them apart.";
    }
    return notice;
}

namespace {

// Owners outside 0..12 are drawn in the neutral colour.
int OwnerIndex(int16_t owner) {
    return owner >= 0 && owner <= MaxPlayer ? owner : 0;
}

} // namespace

bool ShowsChangedColour(const ChangeableColours& before, const SettingsRecord& now,
                        const HexMap& hexMap, const GameState& game, int col, int row) {
    const int16_t n = hexMap.At(col, row).Area;
    if (n < 0 || n > MaxArea) {
        return before.country[0] != now.CountryColour[0];
    }
    const AreaRecord& area = game.Areas[n];
    const auto changed = [&](int16_t owner) {
        const int i = OwnerIndex(owner);
        return before.country[i] != now.CountryColour[i];
    };
    if (area.UnitKind > 0 && changed(area.UnitOwner)) {
        return true;
    }
    if (area.Terrain == Water) {
        return before.water != now.WaterColour;
    }
    return area.Terrain != NoEntry && changed(area.Owner);
}

} // namespace dered
