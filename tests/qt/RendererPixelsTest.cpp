// The map as pixels on the desktop's surface: where numbers, marks, units and borders land.
#include "RendererPixelsFixture.h"

#include "map/Renderer.h"

namespace dered::test {
namespace {

constexpr int kArmy = 1;
constexpr int kCorps = 2;

void PlaceUnit(AreaRecord& area, int16_t kind, int16_t owner) {
    area.UnitKind = kind;
    area.UnitOwner = owner;
}

// Hexagons of 26 pixels: column 3, row 2 has P0 = (78, 46), xL = 75 and m = 69.
TEST_F(RendererPixels, AreaNumbersTakeTheirEightPixelColumnsInALargeHexagon) {
    Display(26, true);
    MakeArea(7, 1, 1);
    MakeArea(42, 1, 1);
    MakeArea(123, 1, 1);
    Place(7, 3, 2, "I");
    Place(42, 5, 2, "I");
    Place(123, 7, 2, "I");
    Open();
    const auto& digit = Pictures().picDigit;

    const CellFrame seven = Frame(3, 2);
    ASSERT_EQ(seven.xL, 75);
    ASSERT_EQ(seven.m, 69);
    ASSERT_FALSE(SlotIs(seven.xL, seven.m - 16, ExpectedSlot(kFirst))) << "no digit drawn";
    EXPECT_TRUE(SlotIs(seven.xL, seven.m - 16, ExpectedSlot(kFirst).Xor(digit[7], 8)));

    const CellFrame fortyTwo = Frame(5, 2);
    EXPECT_TRUE(SlotIs(fortyTwo.xL, fortyTwo.m - 16,
                       ExpectedSlot(kFirst).Xor(digit[4], 4).Xor(digit[2], 12)));

    const CellFrame big = Frame(7, 2);
    EXPECT_TRUE(SlotIs(big.xL, big.m - 16,
                       ExpectedSlot(kFirst).Xor(digit[1], 0).Xor(digit[2], 8).Xor(digit[3], 16)));
}

TEST_F(RendererPixels, UpgradeAndDowngradeShowHalvesOfTwoPictures) {
    Display(26, true);
    AreaRecord& upgrade = MakeArea(30, 1, 1);
    PlaceUnit(upgrade, kCorps, 1);
    upgrade.Command = "UU";
    AreaRecord& downgrade = MakeArea(31, 1, 1);
    PlaceUnit(downgrade, kArmy, 1);
    downgrade.Command = "DU";
    Place(30, 3, 2, "U");
    Place(31, 5, 2, "U");
    Open();
    const auto& unit = Pictures().picUnit;

    const CellFrame up = Frame(3, 2);
    EXPECT_TRUE(
        SlotIs(up.xL, up.m, ExpectedSlot(kFirst).Xor(unit[1], 0, 0, 16).Xor(unit[0], 16, 16, 16)));
    const CellFrame down = Frame(5, 2);
    EXPECT_TRUE(SlotIs(down.xL, down.m,
                       ExpectedSlot(kFirst).Xor(unit[0], 0, 0, 16).Xor(unit[1], 16, 16, 16)));
}

// At 26 pixels the picture is 2730 wide; column 70 ends at 2730 and column 1's left point
// starts 13 pixels before.
TEST_F(RendererPixels, ColumnOneIsDrawnAgainRightOfColumnSeventy) {
    Display(26, true);
    MakeArea(1, 1, 1);
    MakeArea(2, 1, 2);
    for (int r = 1; r <= MapRows; ++r) {
        Place(1, 1, r, r == 5 ? "I" : "");
        Place(2, 70, r);
    }
    Open();
    const int wrap = WrapOffset(program.map.Geometry());
    ASSERT_EQ(wrap, 2730);
    ASSERT_EQ(Image().width(), wrap);
    for (int r = 1; r <= MapRows; ++r) {
        const int oddMiddle = (r - 1) * 46 + 23; // column 1's left point
        const int evenMiddle = r * 46;           // column 70's right point
        EXPECT_EQ(Pixel(wrap - 1, oddMiddle), kFirst) << r;
        EXPECT_EQ(Pixel(wrap - 10, oddMiddle), kFirst) << r;
        EXPECT_EQ(Pixel(wrap - 1, evenMiddle), kSecond) << r;
    }

    // On a surface wider than the map the whole second copy shows: it matches the first,
    // number and all, across the cell's straight-sided middle.
    QImageSurface wide(wrap + 40, Image().height());
    const MapPainter painter{wide,
                             program.map.Geometry(),
                             program.records.game,
                             program.records.hexMap,
                             program.records.settings,
                             Pictures()};
    DrawAllCells(painter);
    const auto at = [&wide](int x, int y) {
        return ColourFromQt(QColor(wide.Image().pixel(x, y)));
    };
    const int top = 4 * 46;
    int inverted = 0;
    for (int y = top + 2; y < top + 44; ++y) {
        for (int x = 0; x < 26; ++x) {
            ASSERT_EQ(at(x + wrap, y), at(x, y)) << x << ", " << y;
            inverted += at(x, y) == (kFirst ^ 0xFFFFFF) ? 1 : 0;
        }
    }
    EXPECT_GT(inverted, 0) << "the number should be in both copies";
}

// Sides of column 3, row 2: N (P0 to P1) and NE set, NW and S not. The cells across N, NE and
// NW are drawn before it, so nothing covers its lines.
TEST_F(RendererPixels, BordersAreTwoPixelsWideOnlyAlongFlaggedSides) {
    Display(26, true);
    MakeArea(10, 1, 1);
    HexCell& cell = Place(10, 3, 2);
    cell.Border = {1, 1, 0, 0, 0, 0};
    Open();
    // Top edge y = 46 from x 78 to 104; bottom edge y = 92; right point (117, 69), left (65, 69).
    EXPECT_EQ(CountOf(kBorder, 91, 42, 1, 9), 2);
    EXPECT_EQ(CountOf(kBorder, 91, 88, 1, 9), 0);
    const int ne = CountOf(kBorder, 100, 57, 23, 1);
    EXPECT_GE(ne, 2);
    EXPECT_LE(ne, 3);
    EXPECT_EQ(CountOf(kBorder, 60, 57, 25, 1), 0);
    EXPECT_EQ(CountOf(kBorder, 0, 0, Image().width(), 120), CountOf(kBorder, 70, 40, 50, 35))
        << "border pixels only along the two sides";
}

} // namespace
} // namespace dered::test
