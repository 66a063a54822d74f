#include "map/ViewCentring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dered {

namespace {

int16_t ViewOffset(double pixels) {
    return static_cast<int16_t>(std::clamp(pixels, -32768.0, 32767.0));
}

SettingsRecord AtOrigin(const SettingsRecord& settings) {
    SettingsRecord origin = settings;
    origin.MapX = 0;
    origin.MapY = 0;
    return origin;
}

void PutInMiddle(SettingsRecord& settings, const MapGeometry& geometry, double x, double y,
                 ViewSize view) {
    settings.MapX = ViewOffset(view.width / 2 - x);
    settings.MapY = ViewOffset(view.height / 2 - y);
    ClampView(settings, geometry, view.height);
}

} // namespace

// ClampView keeps the view on the picture and wraps it east-west.
bool CentreViewOnArea(SettingsRecord& settings, const MapGeometry& geometry, const HexMap& hexMap,
                      const GameState& game, int16_t area, ViewSize view) {
    auto cell = AreaAnchor(game.Areas[area], area, hexMap);
    if (!cell) {
        cell = FirstCellOfArea(hexMap, area);
    }
    if (!cell) {
        return false;
    }
    const auto [x, y] = CellCentre(geometry, AtOrigin(settings), *cell);
    settings.MapX = static_cast<int16_t>(view.width / 2 - static_cast<int>(x));
    settings.MapY = static_cast<int16_t>(view.height / 2 - static_cast<int>(y));
    ClampView(settings, geometry, view.height);
    return true;
}

// The own areas' anchors averaged round the wrapped world (as angles), so that a nation
// across the east-west seam is centred on itself, not on the far side of the map.
bool CentreViewOnOwnAreas(SettingsRecord& settings, const MapGeometry& geometry,
                          const HexMap& hexMap, const GameState& game, ViewSize view) {
    const SettingsRecord origin = AtOrigin(settings);
    const double width = geometry.MapWidth();
    double sumSin = 0;
    double sumCos = 0;
    double sumY = 0;
    int count = 0;
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.OwnPlayer == 0 || game.Areas[a].Owner != game.OwnPlayer) {
            continue;
        }
        const auto cell = AreaAnchor(game.Areas[a], a, hexMap);
        if (!cell) {
            continue;
        }
        const auto [x, y] = CellCentre(geometry, origin, *cell);
        const double angle = 2 * std::numbers::pi * x / width;
        sumSin += std::sin(angle);
        sumCos += std::cos(angle);
        sumY += y;
        ++count;
    }
    if (count == 0 || width <= 0) {
        return false;
    }
    double angle = std::atan2(sumSin, sumCos);
    if (angle < 0) {
        angle += 2 * std::numbers::pi;
    }
    PutInMiddle(settings, geometry, angle * width / (2 * std::numbers::pi), sumY / count, view);
    return true;
}

} // namespace dered
