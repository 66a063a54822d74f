#include "map/ReachOverlay.h"
#include "map/MapExport.h"
#include "map/RecordingSurface.h"
#include "state/CodeTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace dered {
namespace {

using Kind = RecordingSurface::Operation::Kind;
using Op = RecordingSurface::Operation;

// One row of cells: 5 own (columns 1-2, an own army: one rival against it), 6 a rival's army,
// 7 (two rivals against none), 8 another rival's army, 9 (one rival against none).
class ReachOverlayTest : public ::testing::Test {
  protected:
    ReachOverlayTest() {
        settings.CellSize = 26;
        settings.HexDisplay = -1;
        SetDisplayMetrics(geometry, settings);
        BuildHexTables(geometry);
        game.OwnPlayer = 1;
        game.PlayerCount = 4;
        Place(5, {1, 2}, Army, 1);
        Place(6, {3}, Army, 2);
        Place(7, {4}, NoUnit, 0);
        Place(8, {5}, Army, 3);
        Place(9, {6}, NoUnit, 0);
        game.Areas[6].Neighbour = {5, 7};
        game.Areas[8].Neighbour = {7, 9};
        hexMap.At(1, 1).Display[1] = -1; // 5's units are shown at its first cell
    }

    void Place(int16_t area, std::initializer_list<int16_t> cols, int16_t kind, int16_t owner) {
        AreaRecord& a = game.Areas[area];
        a.Terrain = Land;
        a.Owner = owner;
        a.UnitKind = kind;
        a.UnitOwner = owner;
        a.MinCol = *cols.begin();
        a.MaxCol = *(cols.end() - 1);
        a.MinRow = a.MaxRow = 1;
        for (const int16_t c : cols) {
            hexMap.At(c, 1).Area = area;
        }
    }

    // The cell of row 1 (moved right by dx) that holds every point of the operation, or 0.
    int CellOf(const Op& op, int dx) const {
        for (int col = 1; col <= 6; ++col) {
            const auto corners = CellCorners(geometry, col, 1, dx, 0);
            const auto [left, right] = std::minmax_element(
                corners.begin(), corners.end(), [](auto& a, auto& b) { return a.x < b.x; });
            const auto [top, bottom] = std::minmax_element(
                corners.begin(), corners.end(), [](auto& a, auto& b) { return a.y < b.y; });
            if (std::ranges::all_of(op.points, [&](const Point32& p) {
                    return p.x >= left->x - 1 && p.x <= right->x + 1 && p.y >= top->y - 1 &&
                           p.y <= bottom->y + 1;
                })) {
                return col;
            }
        }
        return 0;
    }

    SettingsRecord settings;
    MapGeometry geometry;
    GameState game;
    HexMap hexMap;
};

TEST_F(ReachOverlayTest, HatchesEachThreatenedCellByItsBalanceAndMarksWhatIsOwnAtRisk) {
    const ReachMarks marks = MarkReach(game, ReachMap(game));
    EXPECT_EQ(marks[5], (AreaReachMark{ReachShade::Covered, true}));
    EXPECT_EQ(marks[6], AreaReachMark{});
    EXPECT_EQ(marks[7], (AreaReachMark{ReachShade::Overrun, false}));
    EXPECT_EQ(marks[9], (AreaReachMark{ReachShade::Outnumbered, false}));

    RecordingSurface surface(3000, 1000);
    const int dx = 7;
    DrawReachOverlay(surface, geometry, game, hexMap, marks, dx, 3);
    std::map<int, std::set<int32_t>> colours; // by cell
    std::map<int, int> lines;
    std::vector<Op> risk;
    const int wrap = WrapOffset(geometry);
    for (const Op& op : surface.operations) {
        if (op.kind == Kind::Polygon) {
            risk.push_back(op);
            continue;
        }
        ASSERT_EQ(op.kind, Kind::Polyline);
        Op level = op; // the row's cells are compared without the vertical move
        for (Point32& p : level.points) {
            p.y -= 3;
        }
        int cell = CellOf(level, dx);
        if (cell == 0 && CellOf(level, dx + wrap) == 1) {
            cell = -1; // column 1 again, right of the seam
        }
        ASSERT_NE(cell, 0) << level.points[0].x << "," << level.points[0].y;
        colours[cell].insert(op.colour);
        ++lines[cell];
    }
    EXPECT_EQ(lines.count(3) + lines.count(5), 0u); // no rival can get in
    EXPECT_EQ(lines[-1], lines[1]);
    EXPECT_EQ(colours[1], colours[2]);
    for (const int cell : {1, 4, 6}) {
        EXPECT_EQ(colours[cell].size(), 1u) << cell;
    }
    EXPECT_NE(*colours[1].begin(), *colours[6].begin());
    EXPECT_NE(*colours[6].begin(), *colours[4].begin());
    // Denser as the rivals outnumber the cover more; cells 1 and 4 are of one shape.
    EXPECT_LT(lines[1], lines[6]);
    EXPECT_LT(lines[6], lines[4]);
    // The own army at risk, marked on its first cell at both edges: an edge and a fill each.
    ASSERT_EQ(risk.size(), 4u);
    for (Op& op : risk) {
        for (Point32& p : op.points) {
            p.y -= 3;
        }
    }
    EXPECT_EQ(CellOf(risk[0], dx), 1);
    EXPECT_EQ(CellOf(risk[1], dx), 1);
    EXPECT_EQ(CellOf(risk[2], dx + wrap), 1);

    // Under a clip only the cells it meets are hatched.
    const auto corners = CellCorners(geometry, 6, 1, 0, 0);
    const PixelRect clip{corners[5].x + 2, corners[0].y + 2, corners[2].x - 2, corners[3].y - 2};
    surface.operations.clear();
    DrawReachOverlay(surface, geometry, game, hexMap, marks, 0, 0, &clip);
    const auto hatched = std::ranges::count(surface.operations, Kind::Polyline, &Op::kind);
    EXPECT_EQ(hatched, lines[6]);
}

TEST_F(ReachOverlayTest, AnExportedMapCarriesTheOverlayOnlyWhenChosen) {
    const MapExportLayout layout = LayoutMapExport(settings, {26, true, false, nullptr, true});
    const MapPictures pictures = MakeMapPictures();
    RecordingSurface plain;
    DrawExportedMap(plain, layout, game, hexMap, pictures, {26, true, false, nullptr, false});
    RecordingSurface withReach;
    DrawExportedMap(withReach, layout, game, hexMap, pictures, {26, true, false, nullptr, true});
    RecordingSurface overlay;
    DrawReachOverlay(overlay, layout.geometry, game, hexMap, MarkReach(game, ReachMap(game)), 0, 0);
    ASSERT_FALSE(overlay.operations.empty());
    std::vector<Op> expected = plain.operations;
    expected.insert(expected.end(), overlay.operations.begin(), overlay.operations.end());
    EXPECT_EQ(withReach.operations, expected);
}

} // namespace
} // namespace dered
