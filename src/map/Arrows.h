#pragma once

#include "map/DrawingSurface.h"
#include "map/Geometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dered {

// Map-picture coordinates, single precision.
struct ArrowPoint {
    float x = 0.0f;
    float y = 0.0f;
    bool operator==(const ArrowPoint&) const = default;
};

// One shaft between two areas, shared by the orders in both directions.
struct ArrowRecord {
    int16_t a = 0; // the smaller area number
    int16_t b = 0;
    std::string codeA; // the last order drawn that points to a, or empty
    std::string codeB;
    ArrowPoint endA;
    ArrowPoint endB;
    std::array<ArrowPoint, 2> barbsA{}; // outer points of the head at a
    std::array<ArrowPoint, 2> barbsB{};
};

using ArrowList = std::vector<ArrowRecord>;

// The point of an area's anchor cell that arrows start and end at.
ArrowPoint ArrowAnchorPoint(const MapGeometry& geometry, CellRef anchor);
// Shaft and heads between the anchors of a and b, taking the short way across the seams.
void ComputeArrowLines(ArrowRecord& record, const MapGeometry& geometry, CellRef anchorA,
                       CellRef anchorB);
// Every record's lines again, for a new cell size or display mode.
void RecomputeArrowLines(ArrowList& list, const MapGeometry& geometry, const GameState& game,
                         const HexMap& hexMap);
// The record for the pair, added with its lines when there is none yet.
ArrowRecord& FindOrAddArrow(ArrowList& list, const MapGeometry& geometry, int16_t from,
                            CellRef fromAnchor, int16_t to, CellRef toAnchor);

// Index into ArrowColour of an order code that has an arrow: CO, MO, SA, SD.
std::optional<int> ArrowColourIndex(const std::string& code);

// Draws the shaft and the head at `to` in black width 3, then in `colour` width 1, each line
// also moved right by one map width, on the view whose map origin is at (mapX, mapY).
void DrawArrow(DrawingSurface& view, const ArrowRecord& record, int16_t to, int32_t colour,
               float mapWidth, int mapX, int mapY);

// What drawing the orders' arrows reads and keeps.
struct ArrowPainter {
    DrawingSurface& view;
    ArrowList& arrows;
    const MapGeometry& geometry;
    const GameState& game;
    const HexMap& hexMap;
    const SettingsRecord& settings;
};

// The arrow of from's order `code` towards `to`, in the order's colour, its pair kept in the
// list; nothing when the code has no arrow, the areas are the same or either has no anchor.
void DrawAreaOrderArrow(const ArrowPainter& painter, int16_t from, int16_t to,
                        const std::string& code, int mapX, int mapY);
// The same pair kept in the list, its end noting the code, without drawing; nullptr when it would
// draw nothing.
ArrowRecord* NoteAreaOrderArrow(const ArrowPainter& painter, int16_t from, int16_t to,
                                const std::string& code);
// Every order's arrow, areas 1..293 in turn.
void DrawAllOrderArrows(const ArrowPainter& painter, int mapX, int mapY);

// The view pixels that the arrow of from's order may set, one rectangle for each of its two
// copies; none when it draws nothing.
std::vector<PixelRect> OrderArrowExtent(const MapGeometry& geometry, const GameState& game,
                                        const HexMap& hexMap, int16_t from, int16_t to,
                                        const std::string& code, int mapX, int mapY);

} // namespace dered
