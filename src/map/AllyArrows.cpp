#include "map/AllyArrows.h"

#include "map/Arrows.h"
#include "map/Palette.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dered {

namespace {

// A white edge keeps the ally's colour readable over the ally's own areas, and tells the
// allies' arrows from the player's, which are edged in black.
constexpr int32_t kEdge = kWhite;

struct Pen {
    DrawingSurface& view;
    int32_t colour;
    float dx; // the map copy's shift and origin on the view
    float dy;

    Point32 At(ArrowPoint p) const {
        return {Nearest(static_cast<double>(p.x + dx)), Nearest(static_cast<double>(p.y + dy))};
    }
    void Line(ArrowPoint from, ArrowPoint to) const {
        const std::array<Point32, 2> line{At(from), At(to)};
        view.Polyline(line, 4, kEdge);
        view.Polyline(line, 2, colour);
    }
    void Shape(std::span<const Point32> points) const {
        view.Polyline(points, 4, kEdge);
        view.FillPolygon(points, colour);
    }
};

// The shaft in dashes, the head whole.
void DashedArrow(const Pen& pen, const ArrowRecord& arrow, float dash) {
    const ArrowPoint from = arrow.endA;
    const ArrowPoint to = arrow.endB;
    const float length = std::hypot(to.x - from.x, to.y - from.y);
    const int pieces = std::max(1, static_cast<int>(length / (2.0f * dash)));
    for (int i = 0; i < pieces; ++i) {
        const float t0 = static_cast<float>(2 * i) / static_cast<float>(2 * pieces - 1);
        const float t1 = static_cast<float>(2 * i + 1) / static_cast<float>(2 * pieces - 1);
        const auto along = [&](float t) {
            return ArrowPoint{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
        };
        pen.Line(along(t0), along(std::min(t1, 1.0f)));
    }
    for (const ArrowPoint& barb : arrow.barbsB) {
        pen.Line(to, barb);
    }
}

enum class Mark { Square, Up, Down, Cross };

std::optional<Mark> MarkOf(const std::string& code) {
    if (code == OrderCode::AddArmy || code == OrderCode::AddCorps || code == OrderCode::AddFleet ||
        code == OrderCode::AddSquadron) {
        return Mark::Square;
    }
    if (code == OrderCode::Upgrade) {
        return Mark::Up;
    }
    if (code == OrderCode::Downgrade) {
        return Mark::Down;
    }
    if (code == OrderCode::Remove) {
        return Mark::Cross;
    }
    return std::nullopt;
}

void DrawMark(const Pen& pen, ArrowPoint at, float r, Mark mark) {
    const auto p = [&](float x, float y) { return pen.At({at.x + x * r, at.y + y * r}); };
    switch (mark) {
    case Mark::Square: {
        const std::array<Point32, 5> square{p(-1, -1), p(1, -1), p(1, 1), p(-1, 1), p(-1, -1)};
        pen.Shape(square);
        break;
    }
    case Mark::Up:
    case Mark::Down: {
        const float s = mark == Mark::Up ? 1.0f : -1.0f;
        const std::array<Point32, 4> triangle{p(0, -s), p(1, s), p(-1, s), p(0, -s)};
        pen.Shape(triangle);
        break;
    }
    case Mark::Cross:
        pen.Line({at.x - r, at.y - r}, {at.x + r, at.y + r});
        pen.Line({at.x - r, at.y + r}, {at.x + r, at.y - r});
        break;
    }
}

std::optional<CellRef> AnchorOf(const MapDrawing& painter, int16_t area) {
    if (area < 1 || area > MaxArea) {
        return std::nullopt;
    }
    return AreaAnchor(painter.game.Areas[area], area, painter.hexMap);
}

void DrawOrder(const MapDrawing& painter, const AllyAreaOrder& order, int32_t colour, int mapX,
               int mapY) {
    const auto from = AnchorOf(painter, order.area);
    if (!from) {
        return;
    }
    const MapGeometry& geometry = painter.geometry;
    const float row = static_cast<float>(geometry.RowHeight);
    ArrowRecord arrow;
    const std::optional<CellRef> to =
        ArrowColourIndex(order.code) ? AnchorOf(painter, order.parm1) : std::nullopt;
    const std::optional<Mark> mark = MarkOf(order.code);
    if (to) {
        if (order.parm1 == order.area) {
            return;
        }
        ComputeArrowLines(arrow, geometry, *from, *to);
    } else if (!mark) {
        return;
    }
    for (const float shift : {0.0f, geometry.MapWidth()}) {
        const Pen pen{painter.surface, colour, shift + static_cast<float>(mapX),
                      static_cast<float>(mapY)};
        if (to) {
            DashedArrow(pen, arrow, std::max(3.0f, row / 4.0f));
        } else {
            DrawMark(pen, ArrowAnchorPoint(geometry, *from), std::max(2.0f, row / 6.0f), *mark);
        }
    }
}

} // namespace

void DrawAllyOrders(const MapDrawing& painter, const AllyOrderSets& allies, int mapX, int mapY) {
    for (const AllyOrders& ally : allies.All()) {
        const int32_t colour = ally.player >= 0 && ally.player <= MaxPlayer
                                   ? painter.settings.CountryColour[ally.player]
                                   : kEdge;
        for (const AllyAreaOrder& order : ally.areaOrders) {
            DrawOrder(painter, order, colour, mapX, mapY);
        }
    }
}

} // namespace dered
