#pragma once

#include "map/DrawingSurface.h"
#include "map/Geometry.h"
#include "orders/Reach.h"
#include "state/GameState.h"
#include "state/HexMap.h"

#include <array>
#include <cstdint>

namespace dered {

// How an area stands next turn against the rivals that can get in.
enum class ReachShade : uint8_t {
    None,        // no rival can get in
    Covered,     // no more rivals than own and allied units to hold it
    Outnumbered, // one rival more
    Overrun,     // two or more rivals more
};

struct AreaReachMark {
    ReachShade shade = ReachShade::None;
    bool ownAtRisk = false; // an own supply centre or unit a rival can get into
    bool operator==(const AreaReachMark&) const = default;
};
using ReachMarks = std::array<AreaReachMark, MaxArea + 1>;

[[nodiscard]] ReachMarks MarkReach(const GameState& game, const ReachMap& reach);

// Hatches every cell of a shaded area in the shade's colour and density, and marks the own
// centres and units at risk at their areas' anchor cells: the map moved by (dx, dy), and
// column 1 again right of the seam as the map picture has it. With a clip, cells wholly
// outside it are passed over.
void DrawReachOverlay(DrawingSurface& surface, const MapGeometry& geometry, const GameState& game,
                      const HexMap& hexMap, const ReachMarks& marks, int dx, int dy,
                      const PixelRect* clip = nullptr);

} // namespace dered
