#pragma once

#include "files/IniFile.h"
#include "ui/WindowPlacement.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dered {

// Where the map view of each game was left, so that a game opened again looks where the
// player last looked, and one opened for the first time can be centred on the player's own
// areas. Kept in a section of its own, keyed by game id.
inline constexpr const char* kGamePositionsSection = "Map Positions";

struct MapPosition {
    int16_t x = 0;
    int16_t y = 0;
    bool operator==(const MapPosition&) const = default;
};

[[nodiscard]] std::optional<MapPosition> LoadGamePosition(const IniService& ini,
                                                          const std::string& gameId);
void SaveGamePosition(IniService& ini, const std::string& gameId, MapPosition position);

// Where each window was last, by the window's name, in a section of its own: outer rectangles
// in screen pixels.
inline constexpr const char* kWindowPlacesSection = "Window Places";

[[nodiscard]] std::optional<WindowRect> LoadWindowPlace(const IniService& ini,
                                                        const std::string& window);
[[nodiscard]] IniEntry WindowPlaceEntry(const std::string& window, const WindowRect& place);

} // namespace dered
