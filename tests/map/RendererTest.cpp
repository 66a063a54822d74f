#include "map/Renderer.h"

#include "map/RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace dered {
namespace {

using Kind = RecordingSurface::Operation::Kind;
using Op = RecordingSurface::Operation;

constexpr int32_t kBorder = 0x101010;
constexpr int32_t kWater = 0xFF8000;
constexpr int32_t kNoGo = 0x000001;

class RendererTest : public ::testing::Test {
  protected:
    RendererTest() {
        settings.BorderColour = kBorder;
        settings.WaterColour = kWater;
        settings.NoGoColour = kNoGo;
        for (int p = 0; p <= MaxPlayer; ++p) {
            settings.CountryColour[p] = 0x100 * (p + 1);
        }
        UseCellSize(26, true);
    }

    void UseCellSize(int16_t size, bool hex) {
        settings.CellSize = size;
        settings.HexDisplay = hex ? -1 : 0;
        SetDisplayMetrics(geometry, settings);
        BuildHexTables(geometry);
    }

    MapPainter Painter() { return {surface, geometry, game, hexMap, settings, pictures}; }

    std::vector<Op> Draw(int col, int row, int dx = 0, int dy = 0) {
        surface.operations.clear();
        DrawCell(Painter(), col, row, dx, dy);
        return surface.operations;
    }

    // The bitmap copies among the operations, as (picture, source x, width, x, y).
    std::vector<Op> Pictures(const std::vector<Op>& ops) {
        std::vector<Op> copies;
        for (const Op& op : ops) {
            if (op.kind == Kind::Picture) {
                EXPECT_TRUE(op.exclusiveOr);
                copies.push_back(op);
            }
        }
        return copies;
    }

    Op Copy(const Picture& picture, int x, int y, int srcX = 0, int width = 32) {
        return {Kind::Picture, {{x, y}}, width, 0, srcX, true, &picture};
    }

    // Puts area n, land of owner 1, on cell (col, row) with the given display flags.
    AreaRecord& Cell(int col, int row, int16_t n, bool id, bool info, bool supply) {
        hexMap.At(col, row) = HexCell{
            n, {}, {int16_t(id ? -1 : 0), int16_t(info ? -1 : 0), int16_t(supply ? -1 : 0)}};
        AreaRecord& a = game.Areas[n];
        a.Terrain = 1;
        a.Owner = 1;
        return a;
    }

    MapGeometry geometry;
    SettingsRecord settings;
    GameState game;
    HexMap hexMap;
    const MapPictures pictures = MakeMapPictures();
    RecordingSurface surface{3000, 1500};
};

TEST_F(RendererTest, FillThenBordersInOrder) {
    EXPECT_TRUE(Draw(0, 1).empty() && Draw(MapColumns + 1, 1).empty()); // no such columns
    AreaRecord& a = Cell(2, 1, 5, false, false, false);
    a.Owner = 4;
    hexMap.At(2, 1).Border = {1, 0, 1, 0, 0, 1};
    const auto ops = Draw(2, 1, 100, -5);
    const auto p = CellCorners(geometry, 2, 1, 100, -5);
    const std::vector<Op> expected{
        {Kind::Polygon, {p.begin(), p.begin() + 6}, 1, 0x500},
        {Kind::Polyline, {p[0], p[1]}, 2, kBorder},
        {Kind::Polyline, {p[2], p[3]}, 2, kBorder},
        {Kind::Polyline, {p[5], p[6]}, 2, kBorder},
    };
    EXPECT_EQ(ops, expected);
}

TEST_F(RendererTest, FillColourByTerrainAndOwner) {
    struct Case {
        int16_t terrain, owner;
        int32_t colour;
    };
    const std::vector<Case> cases{
        {3, 5, kWater},
        {4, 5, kNoGo},
        {2, 5, 0x600},
        {1, 0, 0x100},
        // An owner outside 0..12 is drawn as neutral rather than read past the colours.
        {1, 13, 0x100},
        {1, -1, 0x100},
    };
    for (const Case& c : cases) {
        AreaRecord& a = Cell(1, 1, 9, false, false, false);
        a.Terrain = c.terrain;
        a.Owner = c.owner;
        const auto ops = Draw(1, 1);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].colour, c.colour) << c.terrain << "/" << c.owner;
    }
    // A cell naming an area beyond the table is the empty area 0.
    hexMap.At(1, 1).Area = 400;
    EXPECT_EQ(Draw(1, 1)[0].colour, 0x100);
}

TEST_F(RendererTest, LargeCellsWriteTheAreaNumber) {
    // Column 1, row 2: P0 = (0, 46); xL = 0 + (26 - 32) \ 2 = -3; m = 46 + 23.
    const int xL = -3;
    const int y = 69 - 16;
    // Digits 8 wide, centred: (area, first digit's offset, digits).
    const std::vector<std::tuple<int16_t, int, std::vector<int>>> cases{
        {7, 8, {7}}, {42, 4, {4, 2}}, {100, 0, {1, 0, 0}}, {205, 0, {2, 0, 5}}};
    for (const auto& [area, offset, digits] : cases) {
        Cell(1, 2, area, true, false, false);
        std::vector<Op> expected;
        for (size_t i = 0; i < digits.size(); ++i) {
            expected.push_back(
                Copy(pictures.picDigit[digits[i]], xL + offset + 8 * static_cast<int>(i), y, 0, 8));
        }
        EXPECT_EQ(Pictures(Draw(1, 2)), expected) << area;
    }
}

TEST_F(RendererTest, SupplyMarkFollowsTheLayout) {
    const int xL = -3;
    const int m = 69;
    const auto& wide = pictures.picSupplyWide;
    const auto& narrow = pictures.picSupplyNarrow;
    // Number and unit: the narrow mark beside the number, the unit below.
    AreaRecord& a = Cell(1, 2, 8, true, true, true);
    a.Supply = 2;
    a.UnitKind = 1;
    a.UnitOwner = 1;
    auto copies = Pictures(Draw(1, 2));
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[1], Copy(narrow[1], xL + 24, m - 16, 0, 8));
    EXPECT_EQ(copies[2], Copy(pictures.picUnit[0], xL, m));
    // Number without info: the wide mark below. A home centre has its own picture.
    a.UnitKind = 0;
    a.HomeCentre = -1;
    copies = Pictures(Draw(1, 2));
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[1], Copy(wide[2], xL, m));
    // No number: the wide mark above the unit, or alone below.
    a.HomeCentre = 0;
    a.Supply = 1;
    a.UnitKind = 3;
    hexMap.At(1, 2).Display[0] = 0;
    EXPECT_EQ(Pictures(Draw(1, 2)),
              (std::vector<Op>{Copy(wide[0], xL, m - 16), Copy(pictures.picUnit[2], xL, m)}));
    hexMap.At(1, 2).Display[1] = 0;
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(wide[0], xL, m)}));
    // Sizes past the three pictures, a home centre without supply, and hidden marks show nothing.
    a.Supply = 4;
    EXPECT_TRUE(Pictures(Draw(1, 2)).empty());
    a.Supply = 0;
    a.HomeCentre = -1;
    EXPECT_TRUE(Pictures(Draw(1, 2)).empty());
    a.HomeCentre = 0;
    a.Supply = 3;
    hexMap.At(1, 2).Display[2] = 0;
    EXPECT_TRUE(Pictures(Draw(1, 2)).empty());
}

TEST_F(RendererTest, UnitsTheirOwnersAndPendingOrders) {
    const int xL = -3;
    const int m = 69;
    const auto& unit = pictures.picUnit;
    AreaRecord& a = Cell(1, 2, 8, false, true, false);
    a.UnitKind = 2;
    a.UnitOwner = 1;
    // Own unit on own land: straight on the area colour.
    auto ops = Draw(1, 2);
    EXPECT_EQ(ops.back(), Copy(unit[1], xL, m));
    EXPECT_EQ(ops.size(), 2u);
    // A foreign unit, or any unit on water, stands on its owner's colour.
    a.UnitOwner = 3;
    ops = Draw(1, 2);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[1], (Op{Kind::Rect, {{xL, m}, {xL + 32, m + 16}}, 1, 0x400}));
    a.UnitOwner = 1;
    a.Terrain = 3;
    ops = Draw(1, 2);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[1].colour, 0x200);
    // Downgrade and upgrade show half of each picture; the right half at P0.x + CellSize \ 2.
    a.Terrain = 1;
    a.Command = "DU";
    EXPECT_EQ(Pictures(Draw(1, 2)),
              (std::vector<Op>{Copy(unit[1], xL, m, 0, 16), Copy(unit[2], 13, m, 16, 16)}));
    a.Command = "UU";
    EXPECT_EQ(Pictures(Draw(1, 2)),
              (std::vector<Op>{Copy(unit[1], xL, m, 0, 16), Copy(unit[0], 13, m, 16, 16)}));
    // The colour pictures follow the display mode; a kind past the table draws nothing.
    game.UnitDisplayMode = 4;
    a.Command.clear();
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(unit[5], xL, m)}));
    a.UnitKind = 5;
    EXPECT_TRUE(Pictures(Draw(1, 2)).empty());
    a.UnitKind = 1;
    a.Command = "UU";
    game.UnitDisplayMode = 0;
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(unit[0], xL, m, 0, 16)}));
}

TEST_F(RendererTest, UnitsBeingBuilt) {
    AreaRecord& a = Cell(1, 2, 8, false, true, false);
    a.Command = "AS";
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(pictures.picUnit[3], -3, 69)}));
    a.Command = "AA";
    game.UnitDisplayMode = 4;
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(pictures.picUnit[4], -3, 69)}));
    // Info needs the flag: without it a build shows nothing.
    hexMap.At(1, 2).Display[1] = 0;
    EXPECT_TRUE(Pictures(Draw(1, 2)).empty());
}

TEST_F(RendererTest, CellSizeDecidesTheLayout) {
    AreaRecord& a = Cell(1, 2, 42, true, true, true);
    a.Supply = 1;
    a.UnitKind = 1;
    a.UnitOwner = 1;
    // Medium: the unit alone, in a slot around the middle line.
    UseCellSize(24, true);
    const int m = 42 + 21; // RowHeight 42
    EXPECT_EQ(Pictures(Draw(1, 2)), (std::vector<Op>{Copy(pictures.picUnit[0], -4, m - 8)}));
    UseCellSize(20, true);
    EXPECT_EQ(Draw(1, 2).size(), 1u);
    UseCellSize(30, false);
    EXPECT_EQ(Draw(1, 2).size(), 1u);
    UseCellSize(34, false);
    EXPECT_EQ(Pictures(Draw(1, 2)).size(), 4u); // two digits, narrow supply, unit
}

TEST_F(RendererTest, WholeMapDrawsColumnOneAgainAtTheRightEdge) {
    Cell(1, 5, 3, false, false, false);
    surface.operations.clear();
    DrawAllCells(Painter());
    const auto& ops = surface.operations;
    ASSERT_EQ(ops.size(), 1u + 2170 + 31);
    EXPECT_EQ(ops[0], (Op{Kind::Clear, {}, 0, 0xFFFFFF}));
    // Rows outer, columns inner.
    EXPECT_EQ(ops[1].points[0], CellCorners(geometry, 1, 1, 0, 0)[0]);
    EXPECT_EQ(ops[2].points[0], CellCorners(geometry, 2, 1, 0, 0)[0]);
    EXPECT_EQ(ops[71].points[0], CellCorners(geometry, 1, 2, 0, 0)[0]);
    for (int r = 1; r <= MapRows; ++r) {
        const Op& op = ops[2170 + r];
        EXPECT_EQ(op.points[0], CellCorners(geometry, 1, r, 2730, 0)[0]);
        EXPECT_EQ(op.colour, r == 5 ? 0x200 : 0x100);
    }
}

TEST_F(RendererTest, RedrawAreaDrawsItsCellsTwiceRowByRow) {
    for (const auto& [c, r] : {std::pair{4, 6}, {5, 6}, {4, 7}, {6, 8}}) {
        hexMap.At(c, r).Area = 11;
    }
    hexMap.At(5, 7).Area = 12; // inside the extent, another area's
    game.Areas[11].MinCol = 4;
    game.Areas[11].MaxCol = 6;
    game.Areas[11].MinRow = 6;
    game.Areas[11].MaxRow = 8;
    surface.operations.clear();
    std::vector<size_t> rowEnds;
    DrawAreaCells(Painter(), 11, [&] { rowEnds.push_back(surface.operations.size()); });
    const auto& ops = surface.operations;
    EXPECT_EQ(rowEnds, (std::vector<size_t>{4, 6, 8}));
    const std::vector<std::pair<int, int>> order{{4, 6}, {5, 6}, {4, 7}, {6, 8}};
    for (size_t i = 0; i < order.size(); ++i) {
        const auto [c, r] = order[i];
        EXPECT_EQ(ops[2 * i].points[0], CellCorners(geometry, c, r, 0, 0)[0]);
        EXPECT_EQ(ops[2 * i + 1].points[0], CellCorners(geometry, c, r, 2730, 0)[0]);
    }
    // An extent past the map is held to it; no cells or no area draws nothing.
    surface.operations.clear();
    game.Areas[11].MinCol = -50;
    game.Areas[11].MaxCol = 900;
    game.Areas[11].MaxRow = 999;
    DrawAreaCells(Painter(), 11, {});
    EXPECT_EQ(surface.operations.size(), 8u);
    surface.operations.clear();
    DrawAreaCells(Painter(), 13, {});
    DrawAreaCells(Painter(), 294, {});
    DrawAreaCells(Painter(), -1, {});
    EXPECT_TRUE(surface.operations.empty());
}

} // namespace
// The four kinds of unit must be told apart on the map, in the plain set and the coloured one.
TEST(MapPicturesTest, EveryUnitPictureIsItsOwn) {
    const MapPictures pictures = MakeMapPictures();
    const auto& unit = pictures.picUnit;
    for (size_t i = 0; i < unit.size(); ++i) {
        for (size_t j = i + 1; j < unit.size(); ++j) {
            EXPECT_NE(unit[i].pixels, unit[j].pixels) << i << " and " << j;
        }
    }
}

// Every picture's pixels as drawn today, folded into one number (FNV-1a).
TEST(MapPicturesTest, ThePicturesStayAsTheyAreDrawn) {
    const MapPictures p = MakeMapPictures();
    uint64_t hash = 14695981039346656037u;
    const auto fold = [&hash](const auto& pictures) {
        for (const Picture& picture : pictures) {
            for (const int32_t value : picture.pixels) {
                hash = (hash ^ static_cast<uint32_t>(value)) * 1099511628211u;
            }
        }
    };
    fold(p.picUnit);
    fold(p.picDigit);
    fold(p.picSupplyWide);
    fold(p.picSupplyNarrow);
    EXPECT_EQ(hash, 10469769924596477789u);
}

} // namespace dered
