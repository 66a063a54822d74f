#include "map/Arrows.h"

#include "map/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dered {
namespace {

using Kind = RecordingSurface::Operation::Kind;

MapGeometry Hex26() {
    SettingsRecord s;
    s.CellSize = 26;
    s.HexDisplay = -1;
    MapGeometry g;
    SetDisplayMetrics(g, s);
    BuildHexTables(g);
    return g;
}

CellRef At(int col, int row) {
    return {static_cast<int16_t>(col), static_cast<int16_t>(row)};
}

void ExpectNear(ArrowPoint got, float x, float y) {
    EXPECT_NEAR(got.x, x, 1e-3f);
    EXPECT_NEAR(got.y, y, 1e-3f);
}

TEST(ArrowLines, AnchorPointSitsBelowTheTopEdgeMiddle) {
    const MapGeometry g = Hex26();
    EXPECT_EQ(ArrowAnchorPoint(g, At(1, 1)), (ArrowPoint{13, 34}));
    // Even columns are half a row lower: 2 x 46 + 138 \ 4 + 23.
    EXPECT_EQ(ArrowAnchorPoint(g, At(2, 3)), (ArrowPoint{52, 149}));
}

TEST(ArrowLines, ShaftAndBarbsPointBothWays) {
    const MapGeometry g = Hex26();
    const float c = 11.0f * std::cos(0.25f);
    const float s = 11.0f * std::sin(0.25f);
    ArrowRecord r;
    // Left to right along a row: t = 0; the head at b turns back towards a.
    ComputeArrowLines(r, g, At(1, 1), At(3, 1));
    EXPECT_EQ(r.endA, (ArrowPoint{13, 34}));
    EXPECT_EQ(r.endB, (ArrowPoint{91, 34}));
    ExpectNear(r.barbsA[0], 13 + c, 34 + s);
    ExpectNear(r.barbsA[1], 13 + c, 34 - s);
    ExpectNear(r.barbsB[0], 91 - c, 34 - s);
    ExpectNear(r.barbsB[1], 91 - c, 34 + s);
    // Right to left: the angle loses pi, so the barbs still lie along the shaft.
    ComputeArrowLines(r, g, At(3, 1), At(1, 1));
    ExpectNear(r.barbsA[0], 91 - c, 34 - s);
    ExpectNear(r.barbsB[0], 13 + c, 34 + s);
    // Straight down: t = pi / 2.
    ComputeArrowLines(r, g, At(1, 1), At(1, 3));
    ExpectNear(r.barbsA[0], 13 - s, 34 + c);
    ExpectNear(r.barbsB[0], 13 + s, 126 - c);
}

TEST(ArrowLines, ShortWayAcrossTheSeams) {
    const MapGeometry g = Hex26();
    ArrowRecord r;
    // Column 70 to column 1: b moves one map width to the right.
    ComputeArrowLines(r, g, At(70, 1), At(1, 1));
    EXPECT_EQ(r.endA, (ArrowPoint{2704, 57}));
    EXPECT_EQ(r.endB, (ArrowPoint{2743, 34}));
    // Column 1 to column 70: a moves instead.
    ComputeArrowLines(r, g, At(1, 1), At(70, 1));
    EXPECT_EQ(r.endA, (ArrowPoint{2743, 34}));
    EXPECT_EQ(r.endB, (ArrowPoint{2704, 57}));
    // Row 1 to row 31 of one column goes over the top: a moves 31 rows down.
    ComputeArrowLines(r, g, At(1, 1), At(1, 31));
    EXPECT_EQ(r.endA, (ArrowPoint{13, 34 + 1426}));
    EXPECT_EQ(r.endB, (ArrowPoint{13, 1414}));
    ExpectNear(r.barbsB[0], 13 - 11.0f * std::sin(0.25f), 1414 + 11.0f * std::cos(0.25f));
}

TEST(ArrowLines, OrdersBothWaysShareOneRecord) {
    const MapGeometry g = Hex26();
    ArrowList list;
    ArrowRecord& first = FindOrAddArrow(list, g, 20, At(5, 5), 7, At(3, 5));
    EXPECT_EQ(first.a, 7);
    EXPECT_EQ(first.b, 20);
    EXPECT_EQ(first.endA, ArrowAnchorPoint(g, At(3, 5)));
    first.codeA = "MO";
    FindOrAddArrow(list, g, 7, At(3, 5), 20, At(5, 5)).codeB = "SA";
    FindOrAddArrow(list, g, 7, At(3, 5), 21, At(6, 5));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].codeA, "MO");
    EXPECT_EQ(list[0].codeB, "SA");
}

TEST(ArrowDrawing, BlackEdgeThenColourEachLineTwice) {
    ArrowRecord r;
    r.a = 3;
    r.b = 9;
    r.endA = {10.4f, 20.6f};
    r.endB = {100, 20};
    r.barbsA = {ArrowPoint{15, 25}, ArrowPoint{15, 16}};
    r.barbsB = {ArrowPoint{90, 18}, ArrowPoint{90, 22}};
    RecordingSurface view;
    DrawArrow(view, r, 9, 0x00FF00, 2730.0f, -100, -7);
    const auto& ops = view.operations;
    ASSERT_EQ(ops.size(), 12u);
    const std::vector<std::pair<Point32, Point32>> lines{
        {{-90, 14}, {0, 13}},                           // shaft, moved by (MapX, MapY), nearest
        {{2640, 14}, {2730, 13}}, {{0, 13}, {-10, 11}}, // the head at b, the `to` end
        {{2730, 13}, {2720, 11}}, {{0, 13}, {-10, 15}}, {{2730, 13}, {2720, 15}},
    };
    for (size_t i = 0; i < ops.size(); ++i) {
        const bool edge = i < 6;
        EXPECT_EQ(ops[i].kind, Kind::Polyline);
        EXPECT_EQ(ops[i].width, edge ? 3 : 1) << i;
        EXPECT_EQ(ops[i].colour, edge ? 0 : 0x00FF00) << i;
        EXPECT_EQ(ops[i].points, (std::vector<Point32>{lines[i % 6].first, lines[i % 6].second}))
            << i;
    }
    // An order towards a draws the head at a.
    view.operations.clear();
    DrawArrow(view, r, 3, 0x00FF00, 2730.0f, 0, 0);
    EXPECT_EQ(view.operations[2].points, (std::vector<Point32>{{10, 21}, {15, 25}}));
}

// The settings keep the arrow colours in this order: CO, MO, SA, SD.
TEST(ArrowDrawing, ColourIndexByCode) {
    std::vector<std::optional<int>> got;
    for (const char* code : {"CO", "MO", "SA", "SD", "AA", ""}) {
        got.push_back(ArrowColourIndex(code));
    }
    EXPECT_EQ(got, (std::vector<std::optional<int>>{0, 1, 2, 3, std::nullopt, std::nullopt}));
}

} // namespace
} // namespace dered
