#include "map/Geometry.h"

#include "state/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dered {

namespace {

int16_t SaturatedInt16(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    return static_cast<int16_t>(std::clamp<double>(rounded, std::numeric_limits<int16_t>::min(),
                                                   std::numeric_limits<int16_t>::max()));
}

// A view length as a whole number of pixels, truncated toward zero.
int32_t WholePixels(float value) {
    if (!(std::fabs(value) < 1.0e9f)) {
        return 0;
    }
    return static_cast<int32_t>(std::trunc(value));
}

// nearest(value) brought into [0, period). The hit test depends only on the remainder, so
// reducing first keeps far-off points (and points left of or above the map) on the map.
int32_t WrappedPixel(double value, int32_t period) {
    if (!std::isfinite(value)) {
        return 0;
    }
    double rest = std::fmod(std::nearbyint(value), static_cast<double>(period));
    if (rest < 0) {
        rest += period;
    }
    return static_cast<int32_t>(rest);
}

int16_t HexRowHeight(int16_t cellSize) {
    return static_cast<int16_t>(2 * (static_cast<int>(std::floor(cellSize * 0.866)) + 1));
}

int16_t ConvertedCellSize(int16_t cellSize, bool toHex) {
    const double scaled = toHex ? cellSize / 1.3 : cellSize * 1.3;
    int32_t size = static_cast<int32_t>(std::floor(scaled));
    if (size % 2 != 0) {
        ++size;
    }
    const int32_t limit = toHex ? MaxHexCellSize : MaxSquareCellSize;
    return static_cast<int16_t>(std::clamp<int32_t>(size, MinCellSize, limit));
}

CellRef ToCellRef(int col0, int row0) {
    return {static_cast<int16_t>(col0 + 1), static_cast<int16_t>(row0 + 1)};
}

} // namespace

void SetDisplayMetrics(MapGeometry& geometry, const SettingsRecord& settings) {
    geometry.HexDisplay = settings.HexDisplay != 0;
    const int16_t limit = geometry.HexDisplay ? MaxHexCellSize : MaxSquareCellSize;
    geometry.CellSize = std::clamp<int16_t>(settings.CellSize, MinCellSize, limit);
    geometry.ColumnFactor = geometry.HexDisplay ? 1.5f : 1.0f;
    geometry.RowHeight = geometry.HexDisplay ? HexRowHeight(geometry.CellSize) : geometry.CellSize;
}

void BuildHexTables(MapGeometry& geometry) {
    const int32_t size = geometry.CellSize;
    const double factor = geometry.ColumnFactor;
    const double span = size * factor;
    for (int c = 1; c <= MapColumns; ++c) {
        ColumnEdge& e = geometry.ColumnEdges[c];
        const int32_t x0 = Nearest((c - 1) * span);
        e.x0 = static_cast<int16_t>(x0);
        e.x1 = static_cast<int16_t>(x0 + size);
        e.x2 = static_cast<int16_t>(Nearest(span + x0));
        e.x3 = static_cast<int16_t>(Nearest(x0 - (factor - 1.0) * size));
    }
    const int32_t h = geometry.RowHeight;
    const int32_t h2 = h / 2;
    for (int r = 1; r <= MapRows; ++r) {
        const int32_t oddTop = h * (r - 1);
        const int32_t evenTop = oddTop + h2;
        geometry.RowEdges[r].odd = {static_cast<int16_t>(oddTop), static_cast<int16_t>(oddTop + h2),
                                    static_cast<int16_t>(oddTop + h)};
        geometry.RowEdges[r].even = {static_cast<int16_t>(evenTop),
                                     static_cast<int16_t>(evenTop + h2),
                                     static_cast<int16_t>(evenTop + h)};
    }
}

int32_t WrapOffset(const MapGeometry& geometry) {
    return Nearest(geometry.MapWidth());
}

int PictureWidth(const MapGeometry& geometry) {
    return WrapOffset(geometry);
}

int PictureHeight(const MapGeometry& geometry) {
    return static_cast<int>(std::ceil(geometry.MapHeight()));
}

std::array<Point32, 7> CellCorners(const MapGeometry& geometry, int col, int row, int dx, int dy) {
    col = std::clamp(col, 1, MapColumns);
    row = std::clamp(row, 1, MapRows);
    const ColumnEdge& e = geometry.ColumnEdges[col];
    const RowSpan& span = geometry.RowEdges[row].ForColumn(col);
    const Point32 p0{e.x0 + dx, span.top + dy};
    return {p0,
            Point32{e.x1 + dx, span.top + dy},
            Point32{e.x2 + dx, span.middle + dy},
            Point32{e.x1 + dx, span.bottom + dy},
            Point32{e.x0 + dx, span.bottom + dy},
            Point32{e.x3 + dx, span.middle + dy},
            p0};
}

namespace {

// The drawn column that starts at or left of px (0-based): columns are found from their drawn
// edges, because for odd cell sizes the rounded column step drifts from them by half a pixel a
// column.
int DrawnColumnAt(const MapGeometry& geometry, int32_t px) {
    const auto first = geometry.ColumnEdges.begin() + 1;
    const auto last = geometry.ColumnEdges.end();
    const auto after = std::upper_bound(
        first, last, px, [](int32_t value, const ColumnEdge& e) { return value < e.x0; });
    return std::max(static_cast<int>(after - first) - 1, 0);
}

} // namespace

CellRef CellAtPoint(const MapGeometry& geometry, const SettingsRecord& settings, float x, float y) {
    const int32_t size = geometry.CellSize;
    const int32_t width = WrapOffset(geometry);
    const int32_t h = geometry.RowHeight;
    if (width < 1 || h < 1 || size < 1) {
        return {};
    }
    const int32_t px = WrappedPixel(static_cast<double>(x) - settings.MapX, width);
    int c0 = DrawnColumnAt(geometry, px);
    const int p = c0 % 2;
    const double rowsBelow = static_cast<double>(h) * MapRows;
    const int32_t py = WrappedPixel(static_cast<double>(y) - settings.MapY -
                                        static_cast<double>((h / 2) * p) + rowsBelow,
                                    h * MapRows);
    int r0 = (py / h) % MapRows;

    const ColumnEdge& edge = geometry.ColumnEdges[c0 + 1];
    const int32_t xin = px - edge.x0;
    const int32_t slant = edge.x2 - edge.x1;
    if (xin > size && slant > 0) {
        // The slanted strip right of the top edge is shared with the next column.
        const int32_t yin = py % h;
        const int32_t d = xin - size;
        const float steepness = (static_cast<float>(h) / 2.0f) / static_cast<float>(slant);
        if (static_cast<float>(yin) >= static_cast<float>(h) / 2.0f) {
            const float ratio = static_cast<float>(h - yin) / static_cast<float>(d);
            if (ratio < steepness) {
                r0 = (r0 + p + MapRows) % MapRows;
                c0 = (c0 + 1) % MapColumns;
            }
        } else {
            const float ratio = static_cast<float>(yin) / static_cast<float>(d);
            if (ratio < steepness) {
                c0 = (c0 + 1) % MapColumns;
                r0 = (r0 - (c0 % 2) + MapRows) % MapRows;
            }
        }
    }
    return ToCellRef(c0, r0);
}

int16_t AreaAtPoint(const MapGeometry& geometry, const SettingsRecord& settings,
                    const HexMap& hexMap, float x, float y) {
    const CellRef cell = CellAtPoint(geometry, settings, x, y);
    return hexMap.At(cell.col, cell.row).Area;
}

std::optional<CellRef> AreaAnchor(const AreaRecord& record, int16_t area, const HexMap& hexMap) {
    // The extent comes from the map file; keep the scan on the map whatever it holds.
    const int firstCol = std::max<int>(record.MinCol, 1);
    const int lastCol = std::min<int>(record.MaxCol, MapColumns);
    const int firstRow = std::max<int>(record.MinRow, 1);
    const int lastRow = std::min<int>(record.MaxRow, MapRows);
    for (int c = firstCol; c <= lastCol; ++c) {
        for (int r = firstRow; r <= lastRow; ++r) {
            const HexCell& cell = hexMap.At(c, r);
            if (cell.Area == area && cell.Display[1] == -1) {
                return CellRef{static_cast<int16_t>(c), static_cast<int16_t>(r)};
            }
        }
    }
    return std::nullopt;
}

std::optional<CellRef> FirstCellOfArea(const HexMap& hexMap, int16_t area) {
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            if (hexMap.At(c, r).Area == area) {
                return CellRef{static_cast<int16_t>(c), static_cast<int16_t>(r)};
            }
        }
    }
    return std::nullopt;
}

std::pair<float, float> CellCentre(const MapGeometry& geometry, const SettingsRecord& settings,
                                   CellRef cell) {
    const int col = std::clamp<int>(cell.col, 1, MapColumns);
    const int row = std::clamp<int>(cell.row, 1, MapRows);
    const ColumnEdge& e = geometry.ColumnEdges[col];
    const RowSpan& span = geometry.RowEdges[row].ForColumn(col);
    // The middle of the top edge: clear of the slanted sides shared with the next columns.
    float x = (static_cast<float>(e.x0) + static_cast<float>(e.x1)) / 2.0f + settings.MapX;
    if (x < 0.0f) {
        x += static_cast<float>(WrapOffset(geometry));
    }
    const float y = static_cast<float>(span.middle) + settings.MapY;
    return {x, y};
}

void ClampView(SettingsRecord& settings, const MapGeometry& geometry, int viewHeight) {
    const double width = geometry.MapWidth();
    if (width >= 1.0) {
        int32_t mapX = settings.MapX;
        while (mapX > 0) {
            mapX = Nearest(mapX - width);
        }
        while (mapX + width < 0) {
            mapX = Nearest(mapX + width);
        }
        settings.MapX = static_cast<int16_t>(mapX);
    }
    if (settings.MapY > 0) {
        settings.MapY = 0;
    }
    const double rows = static_cast<double>(geometry.RowHeight) * MapRows;
    const double halfRow = geometry.RowHeight / 2.0;
    if (rows + settings.MapY + halfRow < viewHeight) {
        settings.MapY = SaturatedInt16(viewHeight - rows - halfRow);
    }
}

ViewCentre RememberViewPoint(const SettingsRecord& settings, const MapGeometry& before, int32_t x,
                             int32_t y) {
    const float width = before.MapWidth();
    const float height = static_cast<float>(before.RowHeight) * MapRows;
    ViewCentre point;
    if (width > 0.0f) {
        point.fx = static_cast<float>(x - settings.MapX) / width;
    }
    if (height > 0.0f) {
        point.fy = static_cast<float>(y - settings.MapY) / height;
    }
    return point;
}

void KeepViewPoint(SettingsRecord& settings, const MapGeometry& after, const ViewCentre& point,
                   int32_t x, int32_t y, int32_t viewHeight) {
    const float height = static_cast<float>(after.RowHeight) * MapRows;
    settings.MapX = SaturatedInt16(static_cast<float>(x) - point.fx * after.MapWidth());
    settings.MapY = SaturatedInt16(static_cast<float>(y) - point.fy * height);
    ClampView(settings, after, viewHeight);
}

ViewCentre RememberViewCentre(const SettingsRecord& settings, const MapGeometry& before,
                              float viewWidth, float viewHeight) {
    return RememberViewPoint(settings, before, WholePixels(viewWidth) / 2,
                             WholePixels(viewHeight) / 2);
}

void RecentreView(SettingsRecord& settings, const MapGeometry& after, const ViewCentre& centre,
                  float viewWidth, float viewHeight) {
    const int32_t h = WholePixels(viewHeight);
    KeepViewPoint(settings, after, centre, WholePixels(viewWidth) / 2, h / 2, h);
}

void SetHexDisplayMode(SettingsRecord& settings, MapGeometry& geometry, bool on) {
    // Only a real switch converts the size; asking for the current mode must not shrink or grow it.
    if (on != (settings.HexDisplay != 0)) {
        settings.CellSize = ConvertedCellSize(settings.CellSize, on);
        settings.HexDisplay = on ? -1 : 0;
    }
    SetDisplayMetrics(geometry, settings);
    BuildHexTables(geometry);
}

} // namespace dered
