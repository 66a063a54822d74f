#include "map/ReachOverlay.h"

#include "map/Palette.h"
#include "orders/Threats.h"
#include "state/CodeTables.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace dered {

namespace {

ReachShade ShadeOf(const ReachBalance& balance) {
    if (balance.threat == 0) {
        return ReachShade::None;
    }
    const int margin = balance.Margin();
    return margin <= 0 ? ReachShade::Covered
                       : (margin == 1 ? ReachShade::Outnumbered : ReachShade::Overrun);
}

struct Hatch {
    int32_t colour;
    int gap; // between lines, in pixels along each axis
    int width;
};

Hatch HatchOf(ReachShade shade, int cellSize) {
    switch (shade) {
    case ReachShade::Covered:
        return {0x00C0FF, std::max(4, cellSize / 2), 2}; // amber
    case ReachShade::Outnumbered:
        return {0x0060FF, std::max(4, cellSize / 3), 2}; // orange
    default:
        return {0x0000E0, std::max(4, cellSize / 4), 3}; // red
    }
}

PixelRect Bounds(std::span<const Point32> corners) {
    PixelRect box{corners[0].x, corners[0].y, corners[0].x + 1, corners[0].y + 1};
    for (const Point32& p : corners) {
        box = box.United({p.x, p.y, p.x + 1, p.y + 1});
    }
    return box;
}

struct Segment {
    Point32 a;
    Point32 b;
};

// The part of the line x + y = k inside the convex cell, found by cutting the line with each
// edge's inner half-plane.
std::optional<Segment> CutLine(std::span<const Point32> corners, float cx, float cy, int k) {
    // Along the line: (x, y) = (k - t, t).
    float low = -1e9f;
    float high = 1e9f;
    for (size_t i = 0; i + 1 < corners.size(); ++i) {
        const float ex = static_cast<float>(corners[i + 1].x - corners[i].x);
        const float ey = static_cast<float>(corners[i + 1].y - corners[i].y);
        // A normal of the edge, turned towards the centre.
        float nx = -ey;
        float ny = ex;
        if (nx * (cx - static_cast<float>(corners[i].x)) +
                ny * (cy - static_cast<float>(corners[i].y)) <
            0) {
            nx = -nx;
            ny = -ny;
        }
        const float at = nx * (static_cast<float>(k - corners[i].x)) -
                         ny * static_cast<float>(corners[i].y); // at t = 0
        const float slope = ny - nx;                            // change per unit of t
        if (slope == 0) {
            if (at < 0) {
                return std::nullopt;
            }
        } else if (slope > 0) {
            low = std::max(low, -at / slope);
        } else {
            high = std::min(high, -at / slope);
        }
    }
    if (high - low < 1.0f) {
        return std::nullopt;
    }
    const auto y0 = static_cast<int>(std::lround(low));
    const auto y1 = static_cast<int>(std::lround(high));
    return Segment{{k - y0, y0}, {k - y1, y1}};
}

void HatchCell(DrawingSurface& surface, const MapGeometry& geometry, int col, int row, int dx,
               int dy, const Hatch& hatch, const PixelRect* clip) {
    const auto corners = CellCorners(geometry, col, row, dx, dy);
    if (clip && !clip->Intersects(Bounds(corners))) {
        return;
    }
    int lowK = corners[0].x + corners[0].y;
    int highK = lowK;
    float cx = 0;
    float cy = 0;
    for (size_t i = 0; i + 1 < corners.size(); ++i) {
        lowK = std::min(lowK, corners[i].x + corners[i].y);
        highK = std::max(highK, corners[i].x + corners[i].y);
        cx += static_cast<float>(corners[i].x) / 6.0f;
        cy += static_cast<float>(corners[i].y) / 6.0f;
    }
    // Lines on multiples of the gap from the map's origin run on across neighbouring cells.
    const int originK = dx + dy;
    int k = originK + (lowK - originK + hatch.gap - 1) / hatch.gap * hatch.gap;
    if (lowK < originK) {
        k = originK - (originK - lowK) / hatch.gap * hatch.gap;
    }
    for (; k <= highK; k += hatch.gap) {
        if (const auto s = CutLine(corners, cx, cy, k)) {
            const Point32 line[] = {s->a, s->b};
            surface.Polyline(line, hatch.width, hatch.colour);
        }
    }
}

// A red triangle edged in black in the lower left of the anchor cell, clear of the unit.
void DrawRiskMark(DrawingSurface& surface, const MapGeometry& geometry, CellRef anchor, int dx,
                  int dy) {
    const auto corners = CellCorners(geometry, anchor.col, anchor.row, dx, dy);
    const int h = std::max(4, geometry.CellSize / 3);
    const int cx = corners[4].x + h / 2;
    const int base = corners[4].y - std::max(2, geometry.CellSize / 10);
    const auto triangle = [cx, base](int d, int lift) {
        return std::array<Point32, 4>{{{cx, base - lift - 2 * d},
                                       {cx + d, base - lift},
                                       {cx - d, base - lift},
                                       {cx, base - lift - 2 * d}}};
    };
    surface.FillPolygon(triangle(h / 2 + 2, 0), kBlack);
    surface.FillPolygon(triangle(h / 2, 1), 0x0000FF);
}

} // namespace

ReachMarks MarkReach(const GameState& game, const ReachMap& reach) {
    ReachMarks marks{};
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const ReachBalance balance = BalanceOf(game, reach, a);
        const AreaRecord& area = game.Areas[a];
        const bool own = (area.Owner == game.OwnPlayer && area.Supply > 0) ||
                         (area.UnitOwner == game.OwnPlayer && area.UnitKind != NoUnit);
        marks[a] = {ShadeOf(balance), own && balance.threat > 0};
    }
    return marks;
}

void DrawReachOverlay(DrawingSurface& surface, const MapGeometry& geometry, const GameState& game,
                      const HexMap& hexMap, const ReachMarks& marks, int dx, int dy,
                      const PixelRect* clip) {
    const int wrap = WrapOffset(geometry);
    for (int col = 1; col <= MapColumns; ++col) {
        for (int row = 1; row <= MapRows; ++row) {
            const int16_t area = hexMap.At(col, row).Area;
            if (area < 1 || area > MaxArea || marks[area].shade == ReachShade::None) {
                continue;
            }
            const Hatch hatch = HatchOf(marks[area].shade, geometry.CellSize);
            HatchCell(surface, geometry, col, row, dx, dy, hatch, clip);
            if (col == 1) {
                HatchCell(surface, geometry, col, row, dx + wrap, dy, hatch, clip);
            }
        }
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (!marks[a].ownAtRisk) {
            continue;
        }
        if (const auto anchor = AreaAnchor(game.Areas[a], a, hexMap)) {
            DrawRiskMark(surface, geometry, *anchor, dx, dy);
            if (anchor->col == 1) {
                DrawRiskMark(surface, geometry, *anchor, dx + wrap, dy);
            }
        }
    }
}

} // namespace dered
