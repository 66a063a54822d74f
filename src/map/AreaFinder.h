#pragma once

#include "map/Geometry.h"

#include <cstdint>
#include <optional>

namespace dered {

// The area at a view point, looked up again only when the point, the view's position or the
// cells' size moved: the mouse asks for the same point on the move, the click and the double
// click.
class AreaFinder {
  public:
    int16_t At(const MapGeometry& geometry, const SettingsRecord& settings, const HexMap& hexMap,
               float x, float y) {
        const Key key{x, y, settings.MapX, settings.MapY, geometry.CellSize, geometry.HexDisplay};
        if (!last_ || last_->key != key) {
            last_ = Found{key, AreaAtPoint(geometry, settings, hexMap, x, y)};
        }
        return last_->area;
    }
    // The cells changed.
    void Forget() { last_.reset(); }

  private:
    struct Key {
        float x;
        float y;
        int16_t mapX;
        int16_t mapY;
        int16_t cellSize;
        bool hexDisplay;
        bool operator==(const Key&) const = default;
    };
    struct Found {
        Key key;
        int16_t area;
    };
    std::optional<Found> last_;
};

} // namespace dered
