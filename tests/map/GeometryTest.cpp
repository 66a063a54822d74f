#include "map/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace dered {
namespace {

SettingsRecord Settings(int16_t cellSize, bool hex, int16_t mapX = 0, int16_t mapY = 0) {
    SettingsRecord s;
    s.CellSize = cellSize;
    s.HexDisplay = hex ? -1 : 0;
    s.MapX = mapX;
    s.MapY = mapY;
    return s;
}

MapGeometry Built(const SettingsRecord& s) {
    MapGeometry g;
    SetDisplayMetrics(g, s);
    BuildHexTables(g);
    return g;
}

CellRef Cell(int col, int row) {
    return {static_cast<int16_t>(col), static_cast<int16_t>(row)};
}

TEST(GeometryTables, ColumnAndRowEdges) {
    MapGeometry g = Built(Settings(26, true));
    EXPECT_EQ(g.RowHeight, 46);
    EXPECT_FLOAT_EQ(g.ColumnFactor, 1.5f);
    EXPECT_FLOAT_EQ(g.MapWidth(), 2730.0f);
    EXPECT_FLOAT_EQ(g.MapHeight(), 46.0f * 31 + 23.0f);
    EXPECT_EQ(g.ColumnEdges[1], (ColumnEdge{0, 26, 39, -13}));
    EXPECT_EQ(g.ColumnEdges[2], (ColumnEdge{39, 65, 78, 26}));
    EXPECT_EQ(g.ColumnEdges[70], (ColumnEdge{2691, 2717, 2730, 2678}));
    EXPECT_EQ(g.RowEdges[1].odd, (RowSpan{0, 23, 46}));
    EXPECT_EQ(g.RowEdges[1].even, (RowSpan{23, 46, 69}));
    EXPECT_EQ(g.RowEdges[31].even, (RowSpan{1403, 1426, 1449}));
    EXPECT_EQ(WrapOffset(g), 2730);
    // An odd size rounds its halves to even: 19.5, 39.5, 13.5 and 58.5.
    g = Built(Settings(13, true));
    EXPECT_EQ(g.RowHeight, 24);
    EXPECT_EQ(g.ColumnEdges[2], (ColumnEdge{20, 33, 40, 14}));
    EXPECT_EQ(g.ColumnEdges[4].x0, 58);
    EXPECT_FLOAT_EQ(g.MapWidth(), 1365.0f);
    // Squares keep the staggered rows.
    g = Built(Settings(20, false));
    EXPECT_EQ(g.RowHeight, 20);
    EXPECT_FLOAT_EQ(g.ColumnFactor, 1.0f);
    EXPECT_EQ(g.ColumnEdges[2], (ColumnEdge{20, 40, 40, 20}));
    EXPECT_EQ(g.ColumnEdges[70], (ColumnEdge{1380, 1400, 1400, 1380}));
    EXPECT_EQ(g.RowEdges[3].odd, (RowSpan{40, 50, 60}));
    EXPECT_EQ(g.RowEdges[3].even, (RowSpan{50, 60, 70}));
    // The cell size is held to the display limits.
    EXPECT_EQ(Built(Settings(34, true)).CellSize, 30);
    EXPECT_EQ(Built(Settings(40, false)).CellSize, 36);
    EXPECT_EQ(Built(Settings(0, false)).CellSize, 6);
    EXPECT_EQ(Built(Settings(-8, true)).RowHeight, 12);
}

TEST(GeometryTables, CornersFollowTheSidesAndTheShift) {
    const MapGeometry g = Built(Settings(26, true));
    const auto p = CellCorners(g, 2, 1, 100, -5);
    const std::array<Point32, 7> expected{Point32{139, 18}, Point32{165, 18}, Point32{178, 41},
                                          Point32{165, 64}, Point32{139, 64}, Point32{126, 41},
                                          Point32{139, 18}};
    EXPECT_EQ(p, expected);
}

struct HitCase {
    int16_t cellSize;
    bool hex;
    int16_t mapX, mapY;
    float x, y;
    CellRef expected;
};

TEST(GeometryHit, KnownPoints) {
    const std::vector<HitCase> cases{
        // The second copy of the picture hits the first: the map width is column 1 again.
        {26, true, 0, 0, 2730, 10, Cell(1, 1)},
        {26, true, -2730, 0, 0, 10, Cell(1, 1)},
        {26, true, 0, 0, 2700, 40, Cell(70, 1)},
        // Slanted strips: NE and SE of odd column 1, row 2 (y 46..92).
        {26, true, 0, 0, 38, 50, Cell(2, 1)},
        {26, true, 0, 0, 38, 88, Cell(2, 2)},
        {26, true, 0, 0, 27, 69, Cell(1, 2)},
        // NE and SE of even column 2, row 2 (y 69..115).
        {26, true, 0, 0, 77, 71, Cell(3, 2)},
        {26, true, 0, 0, 77, 113, Cell(3, 3)},
        // NE of the top row of column 70 and of column 1 wrap round.
        {26, true, 0, 0, 2729, 24, Cell(1, 1)},
        {26, true, 0, 0, 38, 1, Cell(2, 31)},
        // Above the map and with the view scrolled.
        {26, true, 0, 0, 10, -10, Cell(1, 31)},
        {26, true, -100, -50, 10, 10, Cell(3, 2)},
        // Squares: even columns start half a row lower.
        {20, false, 0, 0, 25, 5, Cell(2, 31)},
        {20, false, 0, 0, 25, 15, Cell(2, 1)},
        {20, false, 0, 0, 19.4f, 39.4f, Cell(1, 2)},
        {20, false, 0, 0, 1400, 0, Cell(1, 1)},
    };
    for (const HitCase& hc : cases) {
        const SettingsRecord s = Settings(hc.cellSize, hc.hex, hc.mapX, hc.mapY);
        const CellRef got = CellAtPoint(Built(s), s, hc.x, hc.y);
        EXPECT_EQ(got, hc.expected) << "size " << hc.cellSize << " at " << hc.x << "," << hc.y
                                    << " got " << got.col << "," << got.row;
    }
}

TEST(GeometryHit, EveryFiniteOrOddPointLandsOnTheMap) {
    using L = std::numeric_limits<float>;
    const float values[] = {0.0f,    -0.5f,   -1.0f,     -2731.0f, -1.0e6f,       1.0e9f,
                            -1.0e9f, 3.0e38f, -L::max(), L::max(), L::infinity(), L::quiet_NaN()};
    for (const bool hex : {true, false}) {
        const SettingsRecord s = Settings(6, hex, -32768, -32768);
        const MapGeometry g = Built(s);
        for (const float x : values) {
            for (const float y : values) {
                const CellRef c = CellAtPoint(g, s, x, y);
                EXPECT_TRUE(c.col >= 1 && c.col <= MapColumns && c.row >= 1 && c.row <= MapRows)
                    << x << "," << y;
            }
        }
    }
}

TEST(GeometryHit, UnbuiltGeometryStillAnswersACell) {
    const MapGeometry empty;
    EXPECT_EQ(CellAtPoint(empty, SettingsRecord{}, 50, 50), Cell(1, 1));
}

// Every cell's centre, wherever the view stands, hits that cell again.
TEST(GeometryHit, CentreOfEveryCellHitsItsCell) {
    struct Mode {
        int16_t cellSize;
        bool hex;
    };
    const std::vector<Mode> modes{{6, true},   {7, true},   {13, true}, {26, true},
                                  {27, true},  {29, true},  {30, true}, {6, false},
                                  {13, false}, {20, false}, {36, false}};
    for (const Mode& m : modes) {
        MapGeometry g = Built(Settings(m.cellSize, m.hex));
        const int16_t w = static_cast<int16_t>(WrapOffset(g));
        const int16_t lowest = static_cast<int16_t>(-std::lround(g.MapHeight()) + 200);
        for (const int16_t mapX :
             {int16_t(0), int16_t(-1), int16_t(-w / 2), int16_t(-w + 1), int16_t(-w)}) {
            for (const int16_t mapY : {int16_t(0), int16_t(-7), lowest}) {
                const SettingsRecord s = Settings(m.cellSize, m.hex, mapX, mapY);
                for (int c = 1; c <= MapColumns; ++c) {
                    for (int r = 1; r <= MapRows; ++r) {
                        const auto [x, y] = CellCentre(g, s, Cell(c, r));
                        ASSERT_GE(x, 0.0f);
                        ASSERT_EQ(CellAtPoint(g, s, x, y), Cell(c, r))
                            << "size " << m.cellSize << (m.hex ? " hex" : " square") << " view "
                            << mapX << "," << mapY;
                    }
                }
            }
        }
    }
}

// With an odd size the rounded step put 1333 of the 2170 centres at size 13 into another cell.
TEST(GeometryHit, OddSizesFollowTheDrawnColumns) {
    const SettingsRecord s = Settings(13, true);
    const MapGeometry g = Built(s);
    // Column 4 is drawn from x0 = 58 (58.5 to even), column 70 from 1346 (1345.5); the old
    // step of 20 put them at 60 and 1380.
    EXPECT_EQ(CellAtPoint(g, s, 58, 30), Cell(4, 1));
    EXPECT_EQ(CellAtPoint(g, s, 1352, 20), Cell(70, 1));
    EXPECT_EQ(CellAtPoint(g, s, 1330, 20), Cell(69, 1));
    EXPECT_EQ(CellAtPoint(g, s, 1365, 5), Cell(1, 1));
    // Column 2 (x0 20, x1 33, x2 40) has a slant of 7 pixels, not 6.5: at x 38 its NE edge
    // lies at y 20.6, so y 21 is still inside and y 20 beyond.
    EXPECT_EQ(CellAtPoint(g, s, 38, 21), Cell(2, 1));
    EXPECT_EQ(CellAtPoint(g, s, 38, 20), Cell(3, 1));
}

TEST(GeometryHit, AreaAtPointReadsTheCell) {
    const SettingsRecord s = Settings(26, true);
    HexMap map;
    map.At(3, 2).Area = 17;
    EXPECT_EQ(AreaAtPoint(Built(s), s, map, 77, 71), 17);
    EXPECT_EQ(AreaAtPoint(Built(s), s, map, 10, 10), 0);
}

AreaRecord Extent(int minCol, int maxCol, int minRow, int maxRow) {
    AreaRecord rec;
    rec.MinCol = static_cast<int16_t>(minCol);
    rec.MaxCol = static_cast<int16_t>(maxCol);
    rec.MinRow = static_cast<int16_t>(minRow);
    rec.MaxRow = static_cast<int16_t>(maxRow);
    return rec;
}

TEST(GeometryAnchor, FirstInfoCellWithinTheExtent) {
    HexMap map;
    const AreaRecord rec = Extent(4, 6, 10, 12);
    for (int c = 4; c <= 6; ++c) {
        for (int r = 10; r <= 12; ++r) {
            map.At(c, r).Area = 9;
        }
    }
    EXPECT_EQ(AreaAnchor(rec, 9, map), std::nullopt);
    map.At(6, 10).Display[1] = -1;
    map.At(5, 12).Display[1] = -1;
    map.At(4, 11).Display[1] = 1; // only -1 counts as set
    map.At(4, 10).Display[0] = -1;
    map.At(4, 10).Display[2] = -1;
    EXPECT_EQ(AreaAnchor(rec, 9, map), Cell(5, 12));
    // Another area's Info cell inside the extent does not count, nor one outside it.
    map.At(5, 12).Area = 8;
    map.At(7, 10) = HexCell{9, {}, {0, -1, 0}};
    EXPECT_EQ(AreaAnchor(rec, 9, map), Cell(6, 10));
    // An empty extent has no anchor; one past the map is held to it.
    map.At(1, 1) = HexCell{5, {}, {0, -1, 0}};
    EXPECT_EQ(AreaAnchor(Extent(999, 0, 999, 0), 5, map), std::nullopt);
    EXPECT_EQ(AreaAnchor(Extent(-5, 500, -5, 500), 5, map), Cell(1, 1));
}

TEST(GeometryAnchor, FirstCellOfAreaGoesColumnByColumn) {
    HexMap map;
    map.At(3, 20).Area = 44;
    map.At(4, 1).Area = 44;
    EXPECT_EQ(FirstCellOfArea(map, 44), Cell(3, 20));
    EXPECT_EQ(FirstCellOfArea(map, 45), std::nullopt);
}

struct ClampCase {
    int16_t cellSize;
    bool hex;
    int16_t mapX, mapY;
    int viewHeight;
    int16_t expectedX, expectedY;
};

TEST(GeometryView, ClampWrapsAcrossAndStopsAtTopAndBottom) {
    const std::vector<ClampCase> cases{
        {26, true, 100, 0, 500, -2630, 0},   // dragged right from the left edge
        {26, true, -2731, 0, 500, -1, 0},    // past one full width
        {26, true, -2730, 0, 500, -2730, 0}, // exactly one width stays
        {26, true, 0, 0, 500, 0, 0},         //
        {6, false, 32767, 0, 100, -413, 0},  // many widths of 420
        {6, false, -32768, 0, 100, -8, 0},   //
        {26, true, 0, 40, 500, 0, 0},        // never below the top
        {26, true, 0, -1200, 500, 0, -949},  // bottom of the map meets the view's
        {26, true, 0, -949, 500, 0, -949},   //
        {7, false, 0, -200, 100, 0, -120},   // nearest(-120.5) goes to even
        {26, true, 0, -10, 2000, 0, 551},    // view taller than the map
    };
    for (const ClampCase& cc : cases) {
        SettingsRecord s = Settings(cc.cellSize, cc.hex, cc.mapX, cc.mapY);
        ClampView(s, Built(s), cc.viewHeight);
        EXPECT_EQ(s.MapX, cc.expectedX) << cc.mapX;
        EXPECT_EQ(s.MapY, cc.expectedY) << cc.mapY;
    }
}

TEST(GeometryView, RecentreKeepsThePointUnderTheViewCentre) {
    SettingsRecord s = Settings(26, true, -1000, -300);
    const MapGeometry before = Built(s);
    const ViewCentre centre = RememberViewCentre(s, before, 800.9f, 600.0f);
    EXPECT_FLOAT_EQ(centre.fx, 1400.0f / 2730.0f);
    EXPECT_FLOAT_EQ(centre.fy, 600.0f / 1426.0f);
    s.CellSize = 13;
    const MapGeometry after = Built(s);
    RecentreView(s, after, centre, 800.9f, 600.0f);
    EXPECT_EQ(s.MapX, -300);
    EXPECT_EQ(s.MapY, -13); // 300 - 313.04
}

TEST(GeometryView, RecentreClampsAfterwards) {
    // Zooming out near the bottom right would leave the map short of the view.
    SettingsRecord s = Settings(30, true, -3000, -1200);
    const ViewCentre centre = RememberViewCentre(s, Built(s), 600.0f, 400.0f);
    s.CellSize = 6;
    const MapGeometry after = Built(s);
    RecentreView(s, after, centre, 600.0f, 400.0f);
    EXPECT_LE(s.MapX, 0);
    EXPECT_GE(s.MapX, -WrapOffset(after));
    EXPECT_EQ(s.MapY, 400 - 372 - 6); // 12 x 31 rows and a half row
}

TEST(GeometryView, SwitchingDisplayConvertsTheCellSize) {
    struct SwitchCase {
        int16_t from;
        bool toHex;
        int16_t expected;
        int16_t rowHeight;
    };
    const std::vector<SwitchCase> cases{
        {30, false, 36, 36}, // 39 made even 40, limited to 36
        {36, true, 28, 50},  // 27.7: 27 made even
        {6, true, 6, 12},    // 4 limited to 6
        {26, false, 34, 34}, // 33.8
        {10, false, 14, 14}, // exactly 13
        {13, true, 10, 18},  // exactly 10
        {26, true, 20, 36},  // exactly 20
    };
    for (const SwitchCase& sc : cases) {
        SettingsRecord s = Settings(sc.from, !sc.toHex, -5, -5);
        MapGeometry g = Built(s);
        SetHexDisplayMode(s, g, sc.toHex);
        EXPECT_EQ(s.CellSize, sc.expected) << sc.from;
        EXPECT_EQ(s.HexDisplay, sc.toHex ? -1 : 0);
        EXPECT_EQ(g.CellSize, sc.expected);
        EXPECT_EQ(g.HexDisplay, sc.toHex);
        EXPECT_EQ(g.RowHeight, sc.rowHeight);
        EXPECT_FLOAT_EQ(g.ColumnFactor, sc.toHex ? 1.5f : 1.0f);
        EXPECT_EQ(g.ColumnEdges[2].x0, static_cast<int16_t>(sc.expected * (sc.toHex ? 1.5 : 1.0)));
    }
    // Asking for the current mode keeps the size.
    SettingsRecord s = Settings(26, true);
    MapGeometry g = Built(s);
    SetHexDisplayMode(s, g, true);
    EXPECT_EQ(s.CellSize, 26);
    EXPECT_EQ(g.RowHeight, 46);
}

} // namespace
} // namespace dered
