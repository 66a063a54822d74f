#pragma once

#include "map/Geometry.h"
#include "map/Point.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dered {

// What the map view is drawn from: the records, and what the window adds to them.
struct ViewSource {
    const MapGeometry& geometry;
    const GameState& game;
    const HexMap& hexMap;
    const SettingsRecord& settings;
    int width = 0;
    int height = 0;
    const std::vector<int16_t>& changed; // the areas marked as changed since the turn compared
    int16_t outlined = 0;                // the area whose order is being entered, or 0
};

// The view pixels that the outline of the area's cells, lines `width` wide, may set at both
// copies of the map.
std::vector<PixelRect> OutlineExtent(const ViewSource& source, int16_t area, int width);

// What changed on the map view since it was last drawn whole: the map picture drawn again in
// places, things drawn on the view that the next refresh takes away, the orders whose arrows and
// marks moved, the outline. A refresh then needs to draw only those rectangles again.
class ViewDamage {
  public:
    // Nothing known: the next refresh draws the whole view.
    void Forget() { known_ = false; }
    // The whole view was drawn from the source.
    void Drawn(const ViewSource& source);
    void PictureDrawn(PixelRect picture) { picture_.push_back(picture); }
    void ViewDrawn(PixelRect view) { view_.push_back(view); }
    void ViewDrawn(const std::vector<PixelRect>& view);

    // The rectangles of the view to draw again so that it shows the source, within the view,
    // overlapping ones joined; none when the whole view has to be drawn. They count as drawn.
    [[nodiscard]] std::optional<std::vector<PixelRect>> Update(const ViewSource& source);
    // Whether the arrow or mark of area may set pixels of the rectangle.
    [[nodiscard]] bool Touches(int16_t area, const PixelRect& rect) const;

  private:
    // What the view shows of an area over the picture, with the pixels it may set.
    struct Overlay {
        std::string command;
        int16_t parm1 = 0;
        std::vector<PixelRect> extent;
    };
    // A change here draws the whole view again.
    struct Scene {
        int32_t mapX = 0;
        int32_t mapY = 0;
        int width = 0;
        int height = 0;
        int16_t cellSize = 0;
        int16_t hexDisplay = 0;
        std::array<int32_t, 4> arrowColours{};
        std::vector<int16_t> changed;
        bool operator==(const Scene&) const = default;
    };
    static Scene SceneOf(const ViewSource& source);
    static Overlay OverlayOf(const ViewSource& source, int16_t area);

    bool known_ = false;
    Scene scene_;
    std::array<Overlay, MaxArea + 1> overlays_{};
    int16_t outlined_ = 0;
    std::vector<PixelRect> picture_;
    std::vector<PixelRect> view_;
};

} // namespace dered
