#pragma once

#include "map/Point.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace dered {

inline constexpr int16_t MinCellSize = 6;
inline constexpr int16_t MaxHexCellSize = 30;
inline constexpr int16_t MaxSquareCellSize = 36;

// 1-based column and row.
struct CellRef {
    int16_t col = 1;
    int16_t row = 1;
    bool operator==(const CellRef&) const = default;
};

// x0..x1 is the top and bottom edge, x2 the right-hand point, x3 the left-hand point.
struct ColumnEdge {
    int16_t x0 = 0, x1 = 0, x2 = 0, x3 = 0;
    bool operator==(const ColumnEdge&) const = default;
};

struct RowSpan {
    int16_t top = 0, middle = 0, bottom = 0;
    bool operator==(const RowSpan&) const = default;
};

// Even columns sit half a row lower than odd ones.
struct RowEdge {
    RowSpan odd;
    RowSpan even;
    const RowSpan& ForColumn(int col) const { return col % 2 != 0 ? odd : even; }
};

struct MapGeometry {
    int16_t CellSize = 0;
    bool HexDisplay = false;
    float ColumnFactor = 1.0f;
    int16_t RowHeight = 0;
    std::array<ColumnEdge, MapColumns + 1> ColumnEdges{}; // 1..70
    std::array<RowEdge, MapRows + 1> RowEdges{};          // 1..31

    float MapWidth() const { return static_cast<float>(CellSize) * MapColumns * ColumnFactor; }
    float MapHeight() const {
        return static_cast<float>(RowHeight) * MapRows + static_cast<float>(RowHeight) / 2.0f;
    }
};

// Takes CellSize and HexDisplay from the settings (CellSize held to the display's limits) and
// derives ColumnFactor and RowHeight.
void SetDisplayMetrics(MapGeometry& geometry, const SettingsRecord& settings);
void BuildHexTables(MapGeometry& geometry);

// Horizontal shift of the second copy of the map picture, right of the seam.
int32_t WrapOffset(const MapGeometry& geometry);

// The map picture: the map once, column 1 again right of the seam.
int PictureWidth(const MapGeometry& geometry);
int PictureHeight(const MapGeometry& geometry);

// P0..P5 of cell (col, row) moved by (dx, dy); P6 closes the polygon.
std::array<Point32, 7> CellCorners(const MapGeometry& geometry, int col, int row, int dx, int dy);

// The cell under view point (x, y); always a cell of the map, whatever the point.
CellRef CellAtPoint(const MapGeometry& geometry, const SettingsRecord& settings, float x, float y);
int16_t AreaAtPoint(const MapGeometry& geometry, const SettingsRecord& settings,
                    const HexMap& hexMap, float x, float y);

// The cell that carries the area's units and orders: the first "Info" cell within its extent.
std::optional<CellRef> AreaAnchor(const AreaRecord& record, int16_t area, const HexMap& hexMap);
// First cell of the area, column by column.
std::optional<CellRef> FirstCellOfArea(const HexMap& hexMap, int16_t area);
// Centre of the cell's polygon in view pixels, inside the copy of the map that starts in the view.
std::pair<float, float> CellCentre(const MapGeometry& geometry, const SettingsRecord& settings,
                                   CellRef cell);

void ClampView(SettingsRecord& settings, const MapGeometry& geometry, int viewHeight);

// The map point under the view's centre as fractions of the map, kept across a change of the
// cell size or display mode.
struct ViewCentre {
    float fx = 0.0f;
    float fy = 0.0f;
};
ViewCentre RememberViewCentre(const SettingsRecord& settings, const MapGeometry& before,
                              float viewWidth, float viewHeight);
// Puts the remembered point back under the centre, then clamps the view.
void RecentreView(SettingsRecord& settings, const MapGeometry& after, const ViewCentre& centre,
                  float viewWidth, float viewHeight);
// The same for any view point (x, y): a zoom about the mouse pointer keeps the map under it.
ViewCentre RememberViewPoint(const SettingsRecord& settings, const MapGeometry& before, int32_t x,
                             int32_t y);
void KeepViewPoint(SettingsRecord& settings, const MapGeometry& after, const ViewCentre& point,
                   int32_t x, int32_t y, int32_t viewHeight);

// Switches between hexagons and squares, converting the cell size so the map keeps roughly its
// scale, and rebuilds the tables.
void SetHexDisplayMode(SettingsRecord& settings, MapGeometry& geometry, bool on);

} // namespace dered
