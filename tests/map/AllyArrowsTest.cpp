#include "map/AllyArrows.h"

#include "map/Arrows.h"
#include "map/RecordingSurface.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

using Kind = RecordingSurface::Operation::Kind;
using Op = RecordingSurface::Operation;

constexpr int32_t kAllyColour = 0x00C08040;

// Areas 1 to 4 anchored at (1, 1), (9, 1), (1, 5) and (5, 5) of a map of hexagons of 26.
class AllyArrowsTest : public ::testing::Test {
  protected:
    AllyArrowsTest() {
        settings.CellSize = 26;
        settings.HexDisplay = -1;
        settings.CountryColour[5] = kAllyColour;
        SetDisplayMetrics(geometry, settings);
        BuildHexTables(geometry);
        const int cells[][2] = {{1, 1}, {9, 1}, {1, 5}, {5, 5}};
        for (int16_t a = 1; a <= 4; ++a) {
            const auto [c, r] = cells[a - 1];
            AreaRecord& area = game.Areas[a];
            area.MinCol = area.MaxCol = static_cast<int16_t>(c);
            area.MinRow = area.MaxRow = static_cast<int16_t>(r);
            hexMap.At(c, r).Area = a;
            hexMap.At(c, r).Display[1] = -1;
        }
    }
    std::vector<Op> Draw(std::vector<AllyAreaOrder> orders) {
        AllyOrderSets allies;
        allies.Put({5, "", std::move(orders), {}});
        RecordingSurface view;
        DrawAllyOrders({view, geometry, game, hexMap, settings}, allies, 0, 0);
        return view.operations;
    }
    Point32 Anchor(int col, int row, float shift = 0) const {
        const ArrowPoint p =
            ArrowAnchorPoint(geometry, {static_cast<int16_t>(col), static_cast<int16_t>(row)});
        return {static_cast<int32_t>(p.x + shift), static_cast<int32_t>(p.y)};
    }

    SettingsRecord settings;
    MapGeometry geometry;
    GameState game;
    HexMap hexMap;
};

TEST_F(AllyArrowsTest, AMoveIsADashedArrowInTheAllysColourAtBothCopies) {
    const std::vector<Op> ops = Draw({{1, "MO", 2, 0}});
    ASSERT_FALSE(ops.empty());
    ASSERT_EQ(ops.size() % 4, 0u); // each copy the same lines, each line an edge and a colour
    for (size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i].kind, Kind::Polyline);
        EXPECT_EQ(ops[i].width, i % 2 ? 2 : 4);
        EXPECT_EQ(ops[i].colour, i % 2 ? kAllyColour : 0xFFFFFF);
    }
    const size_t half = ops.size() / 2;
    const size_t dashes = half / 2 - 2; // two barbs at the head
    EXPECT_GE(dashes, 3u);
    // Dashes with gaps between them, from the ordering area to the target, the head at the target.
    EXPECT_EQ(ops[0].points.front(), Anchor(1, 1));
    EXPECT_EQ(ops[2 * dashes - 2].points.back(), Anchor(9, 1));
    EXPECT_LT(ops[0].points.back().x, ops[2].points.front().x);
    EXPECT_EQ(ops[2 * dashes].points.front(), Anchor(9, 1));
    EXPECT_EQ(ops[half].points.front(), Anchor(1, 1, geometry.MapWidth()));
}

TEST_F(AllyArrowsTest, OrdersWithoutATargetAreMarksAndOrdersWithoutAPlaceAreLeftOut) {
    const auto kinds = [](const std::vector<Op>& ops) {
        std::vector<Kind> got;
        for (const Op& op : ops) {
            got.push_back(op.kind);
        }
        return got;
    };
    // A build: a square edged in white, filled in the ally's colour; at both copies.
    const std::vector<Op> build = Draw({{3, "AA", 0, 0}});
    EXPECT_EQ(kinds(build),
              (std::vector<Kind>{Kind::Polyline, Kind::Polygon, Kind::Polyline, Kind::Polygon}));
    EXPECT_EQ(build[1].colour, kAllyColour);
    EXPECT_EQ(build[1].points.size(), 5u);
    EXPECT_EQ(Draw({{3, "DU", 0, 0}})[1].points.size(), 4u); // a triangle
    EXPECT_EQ(Draw({{3, "RU", 0, 0}}).size(), 8u);           // a cross: two lines, twice
    // An order to itself, to no area or from an area not on the map draws nothing.
    EXPECT_TRUE(
        Draw(
            {{1, "MO", 1, 0}, {2, "SD", 300, 0}, {3, "MO", 7, 0}, {8, "AA", 0, 0}, {4, "XX", 1, 0}})
            .empty());
}

} // namespace
} // namespace dered
