#pragma once

#include "map/DrawingSurface.h"
#include "map/Palette.h"

#include <array>

namespace dered {

// The small pictures the map is drawn with, copied by exclusive-or onto the map picture.
struct MapPictures {
    // 0..3 one-bit army, corps, fleet, squadron; 4..7 the same in colour. 32 x 16.
    std::array<Picture, 8> picUnit;
    // White digit on black, rows 4 to 12. 8 x 16.
    std::array<Picture, 10> picDigit;
    // One supply box, two boxes, a fortified town (home centre). 32 x 16.
    std::array<Picture, 3> picSupplyWide;
    // One small box, two stacked, a narrow tower. 8 x 16.
    std::array<Picture, 3> picSupplyNarrow;
};

MapPictures MakeMapPictures();
// The same pictures for every window and every map drawn, made on first use and never changed.
const MapPictures& TheMapPictures();

} // namespace dered
