#include "map/Arrows.h"

#include "map/Palette.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

#include <cmath>

namespace dered {

namespace {

constexpr float kBarbAngle = 0.25f;
constexpr int32_t kArrowEdge = kBlack;

float Pi() {
    static const float pi = 4.0f * std::atan(1.0f);
    return pi;
}

// Direction of the shaft from (x1, y1) to (x2, y2).
float ShaftAngle(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (dx == 0.0f) {
        const float sign = dy > 0.0f ? 1.0f : (dy < 0.0f ? -1.0f : 0.0f);
        return sign * Pi() / 2.0f;
    }
    const float t = std::atan(dy / dx);
    return dx < 0.0f ? t - Pi() : t;
}

ArrowPoint Barb(ArrowPoint end, float length, float angle, float towards) {
    return {end.x + towards * length * std::cos(angle), end.y + towards * length * std::sin(angle)};
}

Point32 ViewPoint(ArrowPoint p, float shift, int mapX, int mapY) {
    return {Nearest(static_cast<double>(p.x + shift) + mapX),
            Nearest(static_cast<double>(p.y) + mapY)};
}

std::optional<CellRef> AnchorOf(const GameState& game, const HexMap& hexMap, int16_t area) {
    if (area < 1 || area > MaxArea) {
        return std::nullopt;
    }
    return AreaAnchor(game.Areas[area], area, hexMap);
}

void DrawLine(DrawingSurface& view, ArrowPoint from, ArrowPoint to, int width, int32_t colour,
              float mapWidth, int mapX, int mapY) {
    for (const float shift : {0.0f, mapWidth}) {
        const std::array<Point32, 2> line{ViewPoint(from, shift, mapX, mapY),
                                          ViewPoint(to, shift, mapX, mapY)};
        view.Polyline(line, width, colour);
    }
}

} // namespace

ArrowPoint ArrowAnchorPoint(const MapGeometry& geometry, CellRef anchor) {
    const int c = anchor.col - 1;
    const int r = anchor.row - 1;
    const int h = geometry.RowHeight;
    const float x =
        static_cast<float>(c) * static_cast<float>(geometry.CellSize) * geometry.ColumnFactor +
        static_cast<float>(geometry.CellSize / 2);
    const float y = static_cast<float>(r * h + (3 * h) / 4 + (c % 2) * (h / 2));
    return {x, y};
}

void ComputeArrowLines(ArrowRecord& record, const MapGeometry& geometry, CellRef anchorA,
                       CellRef anchorB) {
    ArrowPoint p1 = ArrowAnchorPoint(geometry, anchorA);
    ArrowPoint p2 = ArrowAnchorPoint(geometry, anchorB);
    const float w = geometry.MapWidth();
    const float h = static_cast<float>(geometry.RowHeight) * MapRows;
    if (p1.x - p2.x > w / 2.0f) {
        p2.x += w;
    }
    if (p2.x - p1.x > w / 2.0f) {
        p1.x += w;
    }
    if (p1.y - p2.y > h / 2.0f) {
        p2.y += h;
    }
    if (p2.y - p1.y > h / 2.0f) {
        p1.y += h;
    }
    record.endA = p1;
    record.endB = p2;
    const float t = ShaftAngle(p1.x, p1.y, p2.x, p2.y);
    const float length = static_cast<float>(geometry.RowHeight / 4);
    record.barbsA = {Barb(p1, length, t + kBarbAngle, 1.0f),
                     Barb(p1, length, t - kBarbAngle, 1.0f)};
    record.barbsB = {Barb(p2, length, t + kBarbAngle, -1.0f),
                     Barb(p2, length, t - kBarbAngle, -1.0f)};
}

void RecomputeArrowLines(ArrowList& list, const MapGeometry& geometry, const GameState& game,
                         const HexMap& hexMap) {
    for (ArrowRecord& record : list) {
        const auto anchorA = AreaAnchor(game.Areas[record.a], record.a, hexMap);
        const auto anchorB = AreaAnchor(game.Areas[record.b], record.b, hexMap);
        if (anchorA && anchorB) {
            ComputeArrowLines(record, geometry, *anchorA, *anchorB);
        }
    }
}

ArrowRecord& FindOrAddArrow(ArrowList& list, const MapGeometry& geometry, int16_t from,
                            CellRef fromAnchor, int16_t to, CellRef toAnchor) {
    const bool fromFirst = from < to;
    const int16_t a = fromFirst ? from : to;
    const int16_t b = fromFirst ? to : from;
    for (ArrowRecord& record : list) {
        if (record.a == a && record.b == b) {
            return record;
        }
    }
    ArrowRecord& record = list.emplace_back();
    record.a = a;
    record.b = b;
    ComputeArrowLines(record, geometry, fromFirst ? fromAnchor : toAnchor,
                      fromFirst ? toAnchor : fromAnchor);
    return record;
}

std::optional<int> ArrowColourIndex(const std::string& code) {
    const OrderKind* kind = FindOrderKind(code);
    if (kind == nullptr || kind->arrow < 0) {
        return std::nullopt;
    }
    return kind->arrow;
}

void DrawArrow(DrawingSurface& view, const ArrowRecord& record, int16_t to, int32_t colour,
               float mapWidth, int mapX, int mapY) {
    const bool headAtA = to == record.a;
    const ArrowPoint head = headAtA ? record.endA : record.endB;
    const auto& barbs = headAtA ? record.barbsA : record.barbsB;
    const struct {
        int width;
        int32_t colour;
    } passes[] = {{3, kArrowEdge}, {1, colour}};
    for (const auto& pass : passes) {
        DrawLine(view, record.endA, record.endB, pass.width, pass.colour, mapWidth, mapX, mapY);
        for (const ArrowPoint& barb : barbs) {
            DrawLine(view, head, barb, pass.width, pass.colour, mapWidth, mapX, mapY);
        }
    }
}

ArrowRecord* NoteAreaOrderArrow(const ArrowPainter& painter, int16_t from, int16_t to,
                                const std::string& code) {
    const auto fromAnchor = AnchorOf(painter.game, painter.hexMap, from);
    const auto toAnchor = AnchorOf(painter.game, painter.hexMap, to);
    if (!ArrowColourIndex(code) || from == to || !fromAnchor || !toAnchor) {
        return nullptr;
    }
    ArrowRecord& record =
        FindOrAddArrow(painter.arrows, painter.geometry, from, *fromAnchor, to, *toAnchor);
    (to == record.a ? record.codeA : record.codeB) = code;
    return &record;
}

void DrawAreaOrderArrow(const ArrowPainter& painter, int16_t from, int16_t to,
                        const std::string& code, int mapX, int mapY) {
    if (const ArrowRecord* record = NoteAreaOrderArrow(painter, from, to, code)) {
        const int colour = *ArrowColourIndex(code);
        DrawArrow(painter.view, *record, to, painter.settings.ArrowColour[colour],
                  painter.geometry.MapWidth(), mapX, mapY);
    }
}

void DrawAllOrderArrows(const ArrowPainter& painter, int mapX, int mapY) {
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = painter.game.Areas[a];
        if (ArrowColourIndex(area.Command)) {
            DrawAreaOrderArrow(painter, a, area.Parm1, area.Command, mapX, mapY);
        }
    }
}

std::vector<PixelRect> OrderArrowExtent(const MapGeometry& geometry, const GameState& game,
                                        const HexMap& hexMap, int16_t from, int16_t to,
                                        const std::string& code, int mapX, int mapY) {
    const auto fromAnchor = AnchorOf(game, hexMap, from);
    const auto toAnchor = AnchorOf(game, hexMap, to);
    if (!ArrowColourIndex(code) || from == to || !fromAnchor || !toAnchor) {
        return {};
    }
    ArrowRecord record;
    const bool fromFirst = from < to;
    record.a = fromFirst ? from : to;
    record.b = fromFirst ? to : from;
    ComputeArrowLines(record, geometry, fromFirst ? *fromAnchor : *toAnchor,
                      fromFirst ? *toAnchor : *fromAnchor);
    const auto& barbs = to == record.a ? record.barbsA : record.barbsB;
    std::vector<PixelRect> extent;
    for (const float shift : {0.0f, geometry.MapWidth()}) {
        const std::array<Point32, 4> points{
            ViewPoint(record.endA, shift, mapX, mapY), ViewPoint(record.endB, shift, mapX, mapY),
            ViewPoint(barbs[0], shift, mapX, mapY), ViewPoint(barbs[1], shift, mapX, mapY)};
        // The black pass is three pixels wide with square ends.
        extent.push_back(BoundsOf(points).Grown(3));
    }
    return extent;
}

} // namespace dered
