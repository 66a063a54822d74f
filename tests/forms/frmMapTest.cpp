#include "forms/frmMap.h"

#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace dered::test {

// Readable failures for the messages shown.
inline void PrintTo(const Message& m, std::ostream* os) {
    *os << '"' << m.text << "\" icon " << static_cast<int>(m.icon);
}

namespace {

// A map window at CellSize 26 in hexagons over a few painted areas: 10 (own army) next to
// 11, and the last area, 293, far off.
class MapWindowTest : public ProgramFixture {
  protected:
    MapWindowTest() {
        ini.Set("Positions", "HexDisplay", "-1");
        ini.Set("Positions", "HexSize", "13");
        MakeArea(10, 1, kOwn);
        PlaceUnit(10, 1, kOwn);
        MakeArea(11, 1, kOwn);
        MakeArea(12, 1, 2);
        MakeArea(293, 2, 3);
        Join(10, 11);
        Paint(10, 2, 3, 2, 3, true);
        Paint(11, 4, 5, 2, 3, true);
        Paint(12, 8, 8, 8, 8, true);
        Paint(293, 20, 21, 10, 10, true);
    }

    void Open() { program.forms.Show(map, Modality::Modeless); }

    std::pair<float, float> PointOf(int16_t area) {
        const auto cell = FirstCellOfArea(program.records.hexMap, area);
        return CellCentre(map.canvas.Geometry(), program.records.settings,
                          cell.value_or(CellRef{}));
    }

    // The events of a left click as the toolkit sends them.
    void Click(int16_t area) {
        const auto [x, y] = PointOf(area);
        map.picView_MouseMove(0, 0, x, y);
        map.picView_MouseDown(kLeftButton, 0, x, y);
        map.picView_MouseUp(kLeftButton, 0, x, y);
        map.picView_Click();
    }

    void DoubleClick(int16_t area) {
        Click(area);
        const auto [x, y] = PointOf(area);
        map.picView_MouseDown(kLeftButton, 0, x, y);
        map.picView_MouseUp(kLeftButton, 0, x, y);
        map.picView_DblClick();
    }

    void RightDrag(float x1, float y1, float x2, float y2, int16_t shift = 0) {
        map.picView_MouseMove(0, 0, x1, y1);
        map.picView_MouseDown(kRightButton, shift, x1, y1);
        map.picView_MouseMove(kRightButton, shift, x2, y2);
        map.picView_MouseUp(kRightButton, shift, x2, y2);
    }

    int TopRow() const { return program.winQZ.grdArea.TopRow(); }

    frmMap& map = program.map;
};

TEST_F(MapWindowTest, LoadDrawsTheMapAndSizesTheViewWithinTheScreen) {
    ini.Set("Positions", "MapY", "-5000");
    Open();
    EXPECT_EQ(map.optCommand.Chosen(), 0);
    EXPECT_EQ(map.canvas.Geometry().RowHeight, 46);
    ASSERT_NE(map.canvas.picMap(), nullptr);
    EXPECT_EQ(map.canvas.picMap()->Width(), 2730);
    EXPECT_EQ(map.canvas.picMap()->Height(), 1449);
    EXPECT_EQ(map.canvas.WindowWidth(), 1600); // the screen
    EXPECT_EQ(map.canvas.WindowHeight(), 1000);
    EXPECT_EQ(map.canvas.ViewHeight(), 1000);
    EXPECT_EQ(settings().MapY, 1000 - 1449); // the map's bottom meets the view's
    EXPECT_EQ(platform.pointers, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default}));
    EXPECT_TRUE(map.canvas.Arrows().empty());

    // The view never grows past the map picture, and a minimised window keeps it.
    map.Form_Resize(3000, 1200);
    EXPECT_EQ(map.canvas.ViewWidth(), 2730);
    EXPECT_EQ(map.canvas.ViewHeight(), 1200);
    map.Form_Resize(10, 10, WindowState::Minimized);
    EXPECT_EQ(map.canvas.ViewWidth(), 2730);
    EXPECT_EQ(map.canvas.picView()->Width(), 2730);
}

TEST_F(MapWindowTest, SmallMapAsksForItsSizeAndTwoPixels) {
    ini.Set("Positions", "HexSize", "3");
    Open();
    EXPECT_EQ(map.canvas.WindowWidth(), 632); // 6 x 70 x 1.5 + 2
    EXPECT_EQ(map.canvas.WindowHeight(), 12 * 31 + 6 + 2);
    EXPECT_EQ(map.canvas.ViewWidth(), 630);
}

TEST_F(MapWindowTest, DoubleClickThenClickEntersAMove) {
    Open();
    DoubleClick(10);
    EXPECT_EQ(game.PendingCommand, MapCommand::Move);
    EXPECT_EQ(game.SelectedArea, 10);
    EXPECT_EQ(TopRow(), 10); // the double click's first click scrolls the grid
    Click(11);
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_EQ(Area(10).Command, "MO");
    EXPECT_EQ(Area(10).Parm1, 11);
    ASSERT_EQ(map.canvas.Arrows().size(), 1u);
    EXPECT_EQ(map.canvas.Arrows()[0].codeB, "MO");
    EXPECT_EQ(TakeMessages(), std::vector<Message>{});
    // The target click went to the rule, not to the grid.
    EXPECT_EQ(TopRow(), 10);
}

TEST_F(MapWindowTest, EachOptionRunsItsRuleAndNoneWhileAnOrderWaits) {
    Open();
    FreeSupply() = -2; // removing is allowed only when short of supply
    map.optCommand.Choose(map.optCommand.IndexOf("RU"));
    DoubleClick(10);
    EXPECT_EQ(Area(10).Command, "RU");
    map.optCommand.Choose(map.optCommand.IndexOf("Cancel"));
    DoubleClick(10);
    EXPECT_EQ(Area(10).Command, "");
    map.optCommand.Choose(-1); // no option chosen: a double click starts nothing
    DoubleClick(10);
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    // A refused first step drops back to idle; the next click only scrolls.
    map.optCommand.Choose(map.optCommand.IndexOf("MO"));
    DoubleClick(11);
    EXPECT_EQ(TakeMessages(),
              (std::vector<Message>{{"No unit there owned by you", MsgIcon::Critical}}));
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    Click(293);
    EXPECT_EQ(TopRow(), 287);
    // While the victory window holds "VC", double clicks and clicks start nothing.
    game.PendingCommand = MapCommand::Victory;
    DoubleClick(10);
    Click(11);
    EXPECT_EQ(game.SelectedArea, 11);
    EXPECT_EQ(Area(10).Command, "");
    EXPECT_EQ(TopRow(), 287);
}

TEST_F(MapWindowTest, ScrollGridStopsAtRow287) {
    Open();
    map.ScrollGridToArea(12);
    EXPECT_EQ(TopRow(), 12);
    map.ScrollGridToArea(293);
    EXPECT_EQ(TopRow(), 287);
    map.ScrollGridToArea(0);
    map.ScrollGridToArea(294);
    EXPECT_EQ(TopRow(), 287);
    map.GoToArea(293);
    // Going to an area that does not exist changes nothing either.
    const GameState before = game;
    map.GoToArea(0);
    map.GoToArea(294);
    EXPECT_EQ(game, before);
}

TEST_F(MapWindowTest, RightDragMovesTheMapAndWrapsIt) {
    Open();
    ASSERT_EQ(settings().MapX, 0);
    platform.pointers.clear();
    map.picView_MouseDown(kRightButton, 0, 300, 300);
    EXPECT_EQ(map.caption.Text(), "Map - Drag Mode");
    map.picView_MouseMove(kRightButton, 0, 400, 300);
    map.picView_MouseUp(kRightButton, 0, 400, 300);
    EXPECT_EQ(settings().MapX, 100 - 2730);
    EXPECT_EQ(settings().MapY, 0);
    EXPECT_EQ(map.caption.Text(), "Map");
    EXPECT_EQ(platform.pointers, (std::vector<Pointer>{Pointer::Cross, Pointer::Default}));
    // Dragging up by 30.4 pixels and left again: nearest, and back across the seam.
    RightDrag(500, 500, 400.4f, 469.6f);
    EXPECT_EQ(settings().MapX, -2730);
    EXPECT_EQ(settings().MapY, -30);
    RightDrag(500, 500, 499, 500);
    EXPECT_EQ(settings().MapX, -1);
    RightDrag(500, 500, 0, 500); // the view's left edge is on the map
    EXPECT_EQ(settings().MapX, -501);
}

TEST_F(MapWindowTest, DropOnAnOptionButtonCountsFromTheButtonsPlace) {
    Open();
    const ControlRect button = map.optCommandRect[3];
    map.picView_MouseDown(kRightButton, 0, 10, 200);
    map.optCommand_DragDrop(static_cast<int>(map.optCommandRect.size()), 5, 6); // no such button
    map.optCommand_DragDrop(3, 5, 6);
    EXPECT_EQ(settings().MapX, button.left + 5 - 10 - 2730);
    EXPECT_EQ(settings().MapY, button.top + 6 - 200);
    EXPECT_EQ(map.caption.Text(), "Map");
    // Released over a button, the drop goes to that button.
    settings().MapX = -1000;
    settings().MapY = -300;
    RightDrag(20, 100, static_cast<float>(button.left + 1), static_cast<float>(button.top + 1));
    EXPECT_EQ(settings().MapX, -1000 + button.left + 1 - 20);
    EXPECT_EQ(settings().MapY, -300 + button.top + 1 - 100);
}

TEST_F(MapWindowTest, DropElsewhereOrOfAnotherSourceLeavesTheMap) {
    Open();
    map.picView_MouseDown(kRightButton, 0, 300, 300);
    map.picView_DragDrop(350, 300, DragSource::Other);
    map.optCommand_DragDrop(0, 5, 5, DragSource::Other);
    EXPECT_EQ(map.caption.Text(), "Map - Drag Mode");
    map.picView_MouseUp(kRightButton, 0, -50, 300); // outside the window
    EXPECT_EQ(settings().MapX, 0);
    EXPECT_EQ(map.caption.Text(), "Map");
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);
    // No drag, no drop.
    map.picView_DragDrop(350, 300);
    EXPECT_EQ(settings().MapX, 0);
}

TEST_F(MapWindowTest, RightButtonNeverClicksAndShift7EditsInsteadOfDragging) {
    Open();
    DoubleClick(10);
    ASSERT_EQ(game.PendingCommand, MapCommand::Move);
    const auto [x, y] = PointOf(11);
    RightDrag(x, y, x, y);
    map.picView_Click();
    EXPECT_EQ(game.PendingCommand, MapCommand::Move);
    EXPECT_EQ(Area(10).Command, "");
    RightDrag(x, y, x + 50, y, kEditCellShift);
    EXPECT_EQ(map.caption.Text(), "Map");
    EXPECT_EQ(settings().MapX, 0);
    EXPECT_FALSE(map.Dragging());
}

TEST_F(MapWindowTest, SpyAndGrantAccessClicksReachTheirWindowsOnlyWhileOpen) {
    frmSpy& spy = program.spy;
    frmGrantAccess& grant = program.grantAccess;
    program.forms.Show(spy, Modality::Modeless);
    program.forms.Show(grant, Modality::Modeless);
    Open();
    game.PendingCommand = MapCommand::Spy;
    DoubleClick(10); // the double click starts no order, its click adds a target
    Click(293);
    EXPECT_EQ(spy.grdSpy.TextAt(0, 0), " 10");
    EXPECT_EQ(spy.grdSpy.TextAt(0, 1), " 293");
    EXPECT_EQ(Area(10).Command, "");
    EXPECT_EQ(game.PendingCommand, MapCommand::Spy);

    game.PendingCommand = MapCommand::GrantAccess;
    int changes = 0;
    grant.txtArea.Subscribe([&](const Changed&) { ++changes; });
    Click(12);
    EXPECT_EQ(grant.txtArea.Text(), " 12");
    EXPECT_EQ(changes, 1);

    // With the windows gone, the clicks go nowhere.
    program.forms.Unload(spy);
    program.forms.Unload(grant);
    game.PendingCommand = MapCommand::GrantAccess;
    Click(11);
    game.PendingCommand = MapCommand::Spy;
    Click(11);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(spy.grdSpy.TextAt(0, 2), "");
}

TEST_F(MapWindowTest, EventsBeforeLoadingDrawNothing) {
    map.canvas.RefreshView();
    map.canvas.RedrawArea(10);
    map.canvas.DrawOrderArrow(10, 11, "MO");
    map.Form_Resize(100, 100);
    EXPECT_TRUE(map.canvas.Arrows().empty());
    EXPECT_TRUE(platform.surfaces.empty());
}

RecordingSurface& Recorded(DrawingSurface* surface) {
    return *static_cast<RecordingSurface*>(surface);
}

// Each ordered area's mark: an edge and a square, at both copies of the map.
constexpr size_t kMarkOps = 4;

TEST_F(MapWindowTest, RefreshViewCopiesTheMapTwiceAcrossTheSeamThenDrawsArrows) {
    Open();
    Area(10).Command = "MO";
    Area(10).Parm1 = 11;
    settings().ArrowColour = {1, 2, 3, 4};
    settings().MapX = -2000;
    settings().MapY = -40;
    RecordingSurface& view = Recorded(map.canvas.picView());
    view.operations.clear();
    map.canvas.RefreshView();
    const auto& ops = view.operations;
    ASSERT_EQ(ops.size(), 2u + 12u + kMarkOps);
    EXPECT_EQ(ops[0].kind, RecordingSurface::Operation::Kind::Copy);
    EXPECT_EQ(ops[0].source, map.canvas.picMap());
    EXPECT_EQ(ops[0].points[0], (Point32{-2000, -40}));
    EXPECT_EQ(ops[1].points[0], (Point32{730, -40}));
    EXPECT_EQ(ops[2].width, 3);
    EXPECT_EQ(ops[13].colour, 2);
    // While the picture reaches the view's right edge, one copy does.
    settings().MapX = -1130;
    view.operations.clear();
    map.canvas.RefreshView();
    EXPECT_EQ(view.operations.size(), 1u + 12u + kMarkOps);
    // An order that stays in its own area has a mark but no arrow.
    Area(11).Command = "SD";
    Area(11).Parm1 = 11;
    view.operations.clear();
    map.canvas.RefreshView();
    EXPECT_EQ(view.operations.size(), 1u + 12u + 2 * kMarkOps);
}

TEST_F(MapWindowTest, OrdersBothWaysShareTheShaftAndTheLaterLiesOnTop) {
    PlaceUnit(11, 1, kOwn);
    Open();
    DoubleClick(10);
    Click(11);
    DoubleClick(11);
    Click(10);
    ASSERT_EQ(Area(11).Command, "MO");
    ASSERT_EQ(map.canvas.Arrows().size(), 1u);
    RecordingSurface& view = Recorded(map.canvas.picView());
    view.operations.clear();
    map.canvas.RefreshView();
    const auto& ops = view.operations;
    ASSERT_EQ(ops.size(), 1u + 24u + 2 * kMarkOps);
    // The last arrow drawn is area 11's, whose head is at area 10: the record's end a.
    const ArrowRecord& arrow = map.canvas.Arrows()[0];
    const Point32 headA{static_cast<int32_t>(std::nearbyint(arrow.endA.x)),
                        static_cast<int32_t>(std::nearbyint(arrow.endA.y))};
    EXPECT_EQ(ops[13 + 8].points[0], headA);
    EXPECT_NE(ops[1 + 8].points[0], headA);
}

TEST_F(MapWindowTest, RedrawAreaLetsEventsRunAfterEachRow) {
    Open();
    Recorded(map.canvas.picMap()).operations.clear();
    const int before = platform.doEventsCalls;
    map.canvas.RedrawArea(10); // rows 2 and 3
    EXPECT_EQ(platform.doEventsCalls - before, 2);
    // Four cells at both edges, and the army in the anchor cell twice.
    EXPECT_EQ(Recorded(map.canvas.picMap()).operations.size(), 4u * 2u + 2u);
}

TEST_F(MapWindowTest, ZoomRebuildsPictureArrowsAndKeepsTheCentre) {
    Open();
    DoubleClick(10);
    Click(11);
    ASSERT_EQ(map.canvas.Arrows().size(), 1u);
    settings().MapX = -1000;
    settings().MapY = -300;
    map.Form_Resize(800, 600);
    map.ZoomTo(13);
    EXPECT_EQ(settings().CellSize, 13);
    EXPECT_EQ(map.canvas.picMap()->Width(), 1365);
    EXPECT_EQ(map.canvas.picMap()->Height(), 24 * 31 + 12);
    // (400 + 1000) / 2730 of the old width, (300 + 300) / 1426 of the old height.
    EXPECT_EQ(settings().MapX, -300);
    EXPECT_EQ(settings().MapY, -13);
    const ArrowRecord& arrow = map.canvas.Arrows()[0];
    EXPECT_EQ(arrow.codeB, "MO");
    EXPECT_EQ(arrow.endA, ArrowAnchorPoint(map.canvas.Geometry(), CellRef{2, 2}));
    // Zooming out below the window: the view shrinks to the picture and the map stays on it.
    map.Form_Resize(1600, 1000);
    map.ZoomTo(6);
    EXPECT_EQ(map.canvas.ViewWidth(), 630);
    EXPECT_EQ(map.canvas.ViewHeight(), 378);
    EXPECT_EQ(settings().MapY, 0);
    // Squares: the size converts, the tick follows.
    map.SwitchHexDisplay(false);
    EXPECT_EQ(settings().HexDisplay, 0);
    EXPECT_EQ(settings().CellSize, 8);
    EXPECT_FALSE(program.winQZ.mnuHex.Checked());
    EXPECT_EQ(map.canvas.picMap()->Width(), 560);
}

using Kind = RecordingSurface::Operation::Kind;

size_t Count(const RecordingSurface& view, Kind kind, int32_t colour) {
    size_t n = 0;
    for (const auto& op : view.operations) {
        n += op.kind == kind && op.colour == colour ? 1 : 0;
    }
    return n;
}

TEST_F(MapWindowTest, OrderBeingEnteredIsOutlinedTextedAndEscCancelsIt) {
    Open();
    RecordingSurface& view = Recorded(map.canvas.picView());
    EXPECT_EQ(map.stbNextClick.Text(),
              "MO (move): double-click the unit, then click the target area");
    view.operations.clear();
    DoubleClick(10);
    EXPECT_EQ(map.stbNextClick.Text(), "Move from 10 Area10: click the target area; Esc cancels");
    // Area 10 has four cells, each outlined at both copies of the map.
    EXPECT_EQ(Count(view, Kind::Polyline, 0x00FFFF), 8u);
    EXPECT_EQ(view.operations.size(), 8u); // the view is not drawn again for it
    view.operations.clear();
    map.CancelEntry();
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
    EXPECT_EQ(Count(view, Kind::Polyline, 0x00FFFF), 0u);
    EXPECT_GT(view.operations.size(), 0u); // the view was drawn again, without the outline
    Click(11);
    EXPECT_EQ(Area(10).Command, "");
    // An area gone to is outlined, its cell in the last column too, at both copies of the map.
    program.records.hexMap.At(MapColumns, MapRows).Area = 293;
    view.operations.clear();
    map.GoToArea(293);
    EXPECT_EQ(Count(view, Kind::Polyline, 0x00FFFF), 6u);

    // A refused target ends the entry too, and the outline goes with it.
    map.optCommand.Choose(map.optCommand.IndexOf("SD"));
    EXPECT_EQ(map.stbNextClick.Text(),
              "SD (support defence): double-click the unit, then click the defended area");
    DoubleClick(10);
    view.operations.clear();
    Click(293);
    EXPECT_EQ(TakeMessages(),
              (std::vector<Message>{{"Areas  10 and  293 are not adjacent", MsgIcon::Critical}}));
    EXPECT_EQ(Count(view, Kind::Polyline, 0x00FFFF), 0u);
    EXPECT_EQ(map.stbNextClick.Text(),
              "SD (support defence): double-click the unit, then click the defended area");

    // Esc while a dialog takes the clicks leaves it so.
    game.PendingCommand = MapCommand::Spy;
    map.CancelEntry();
    EXPECT_EQ(game.PendingCommand, MapCommand::Spy);
}

// The view is brought up to date under a clip around what changed, the new arrow drawn once.
TEST_F(MapWindowTest, AMoveDrawsItsArrowOnceAndOnlyWhereTheViewChanged) {
    Open();
    RecordingSurface& view = Recorded(map.canvas.picView());
    DoubleClick(10);
    view.operations.clear();
    Click(11);
    ASSERT_EQ(Area(10).Command, "MO");
    // The black pass of one arrow: the shaft and two barbs at both copies of the map.
    EXPECT_EQ(Count(view, Kind::Polyline, 0x000000), 6u);
    const auto& ops = view.operations;
    ASSERT_GE(ops.size(), 3u);
    ASSERT_EQ(ops.front().kind, Kind::Clip);
    ASSERT_EQ(ops.front().points.size(), 2u);
    EXPECT_LT(ops.front().points[1].x - ops.front().points[0].x, map.canvas.ViewWidth() / 4);
    EXPECT_EQ(ops[1].kind, Kind::Copy);
    EXPECT_EQ(ops.back(), (RecordingSurface::Operation{Kind::Clip, {}}));
}

TEST_F(MapWindowTest, OrdersWithoutAnArrowAreMarkedToo) {
    Open();
    FreeSupply() = -2;
    RecordingSurface& view = Recorded(map.canvas.picView());
    view.operations.clear();
    map.canvas.RefreshView();
    EXPECT_EQ(Count(view, Kind::Rect, 0xFFFFFF), 0u);
    map.optCommand.Choose(map.optCommand.IndexOf("RU"));
    view.operations.clear();
    DoubleClick(10);
    ASSERT_EQ(Area(10).Command, "RU");
    EXPECT_GE(Count(view, Kind::Rect, 0xFFFFFF), 2u);
    EXPECT_EQ(map.stbNextClick.Text(), "RU (remove): double-click the unit");
    // An order settled elsewhere (the grid, the menus) shows on the open map too.
    view.operations.clear();
    program.events.AreaOrderChanged(10);
    EXPECT_GE(Count(view, Kind::Rect, 0xFFFFFF), 2u);
}

TEST_F(MapWindowTest, ChangedAreasCarryARedMarkAtBothEdgesUntilTheChangesGo) {
    Open();
    RecordingSurface& view = Recorded(map.canvas.picView());
    view.operations.clear();
    map.canvas.ShowChanges({10, 0, 293, 294}); // areas that do not exist are passed over
    EXPECT_EQ(Count(view, Kind::Polygon, 0x0000FF), 4u);
    EXPECT_EQ(Count(view, Kind::Polygon, 0x000000), 4u);
    view.operations.clear();
    map.canvas.ShowChanges({});
    EXPECT_EQ(Count(view, Kind::Polygon, 0x0000FF), 0u);
}

TEST_F(MapWindowTest, ViewReachShadesTheMapAndTheHoverTextNamesWhoCanGetIn) {
    PlaceUnit(12, Army, 2);
    AddNeighbour(12, 11); // a rival's army can get into 11, which the own army can hold
    Open();
    RecordingSurface& view = Recorded(map.canvas.picView());
    const auto hatching = [&view] {
        return std::ranges::count(view.operations, Kind::Polyline,
                                  &RecordingSurface::Operation::kind);
    };
    const auto [x, y] = PointOf(11);
    const std::string plain = map.HoverTextAt(x, y);
    view.operations.clear();
    program.winQZ.mnuReach.Click();
    EXPECT_TRUE(program.winQZ.mnuReach.Checked());
    EXPECT_GT(hatching(), 0);
    EXPECT_EQ(map.HoverTextAt(x, y),
              plain + "; reach: army of yours from 10, army of Borduria from 12");

    program.winQZ.mnuReach.Click();
    EXPECT_FALSE(program.winQZ.mnuReach.Checked());
    view.operations.clear();
    map.canvas.RefreshView();
    EXPECT_EQ(hatching(), 0);
    EXPECT_EQ(map.HoverTextAt(x, y), plain);
}

} // namespace
} // namespace dered::test
