#pragma once

#include "map/MapDrawing.h"
#include "map/Pictures.h"

#include <array>
#include <cstdint>
#include <functional>

namespace dered {

// What drawing a cell onto the map picture reads: the map's drawing and the small pictures.
struct MapPainter : MapDrawing {
    const MapPictures& pictures;
};

// Draws cell (col, row) moved by (dx, dy): fill, borders, then numbers, supply and unit.
// Returns the pixels it may have set.
PixelRect DrawCell(const MapPainter& painter, int col, int row, int dx, int dy);
// White, every cell, then column 1 again right of column 70.
void DrawAllCells(const MapPainter& painter);
// The area's cells within its extent, each at both edges of the picture; afterRow runs after
// every row of the extent. Returns the pixels it may have set at each edge.
std::array<PixelRect, 2> DrawAreaCells(const MapPainter& painter, int16_t area,
                                       const std::function<void()>& afterRow);

// The mark of an ordered area: a small white square edged in black near the upper left of its
// anchor cell moved by (dx, dy), so that orders without an arrow show too.
void DrawOrderMark(DrawingSurface& surface, const MapGeometry& geometry, CellRef anchor, int dx,
                   int dy);
PixelRect OrderMarkExtent(const MapGeometry& geometry, CellRef anchor, int dx, int dy);

// The mark of an area that changed since the turn compared: a red diamond edged in black in the
// upper right of cell (col, row) moved by (dx, dy), clear of the order mark on the left.
void DrawChangeMark(DrawingSurface& surface, const MapGeometry& geometry, int col, int row, int dx,
                    int dy);

} // namespace dered
