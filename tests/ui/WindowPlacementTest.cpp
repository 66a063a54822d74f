#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

bool Inside(const WindowRect& screen, const WindowRect& w) {
    return w.x >= screen.x && w.y >= screen.y && w.Right() <= screen.Right() &&
           w.Bottom() <= screen.Bottom();
}

// The title band of a window: its top 30 pixels, left 200 pixels (where the title text is).
bool CoversTitle(const WindowRect& over, const WindowRect& under) {
    const WindowRect title{under.x, under.y, std::min(under.width, 200), 30};
    return over.x < title.Right() && title.x < over.Right() && over.y < title.Bottom() &&
           title.y < over.Bottom();
}

// Screens from small to large, at scale 1 and 2 (a scale of 2 halves the screen in the
// window's pixels and leaves the windows' sizes as they are).
TEST(WindowPlacementTest, ThreeWindowsFitEveryScreenWithTheirTitlesClear) {
    const struct {
        WindowRect screen;
        const char* name;
    } screens[] = {
        {{0, 0, 1024, 700}, "1024x700"},      {{0, 0, 1600, 1000}, "1600x1000"},
        {{0, 0, 3840, 2160}, "3840x2160"},    {{0, 0, 512, 350}, "1024x700 at 2"},
        {{0, 0, 800, 500}, "1600x1000 at 2"}, {{0, 24, 1920, 1056}, "panel on top"},
        {{0, 0, 960, 540}, "1920x1080 at 2"},
    };
    const WindowSize main{640, 980};
    const WindowSize summary{300, 260};
    const WindowSize map{2740, 1490};
    for (const auto& s : screens) {
        const WindowPlacement placed = PlaceWindows(s.screen, main, summary, map);
        for (const WindowRect& w : {placed.main, placed.summary, placed.map}) {
            EXPECT_TRUE(Inside(s.screen, w)) << s.name;
        }
        EXPECT_EQ(placed.main.x, s.screen.x) << s.name;
        EXPECT_EQ(placed.main.y, s.screen.y) << s.name;
        EXPECT_FALSE(CoversTitle(placed.summary, placed.main)) << s.name;
        EXPECT_FALSE(CoversTitle(placed.map, placed.main)) << s.name;
        EXPECT_FALSE(CoversTitle(placed.map, placed.summary)) << s.name;
        // The map's title, buttons and search field are clear of both, from 960x540 up.
        const WindowRect tools{placed.map.x, placed.map.y, kMinMapWidth, 60};
        if (s.screen.height >= 540) {
            EXPECT_LE(tools.Right(), s.screen.Right()) << s.name;
            EXPECT_FALSE(tools.Intersects(placed.main)) << s.name;
            EXPECT_FALSE(tools.Intersects(placed.summary)) << s.name;
        }
    }
}

TEST(WindowPlacementTest, MapTakesWhatIsLeftUpToWhatItAsksFor) {
    const WindowPlacement at1600 =
        PlaceWindows({0, 0, 1600, 1000}, {640, 980}, {300, 260}, {2740, 1490});
    EXPECT_EQ(at1600.summary, (WindowRect{640, 0, 300, 260}));
    EXPECT_EQ(at1600.map, (WindowRect{640, 260, 960, 740}));
    // A big screen gives the map only the size of its picture.
    const WindowPlacement at4k =
        PlaceWindows({0, 0, 3840, 2160}, {640, 980}, {300, 260}, {2740, 1490});
    EXPECT_EQ(at4k.map, (WindowRect{640, 260, 2740, 1490}));
    // Too little room right of the main window for the map's buttons: the main window keeps
    // two fifths of the height, the map goes below it and the summary.
    const WindowPlacement narrow =
        PlaceWindows({0, 0, 1024, 700}, {800, 680}, {300, 300}, {2740, 1490});
    EXPECT_EQ(narrow.main, (WindowRect{0, 0, 800, 280}));
    EXPECT_EQ(narrow.summary, (WindowRect{724, 0, 300, 300}));
    EXPECT_EQ(narrow.map, (WindowRect{0, 300, 1024, 400}));
}

// A dialog over the map's buttons moves below them, else beside them, staying on the screen.
TEST(WindowPlacementTest, DialogsGoBesideTheMapsButtonsNotOverThem) {
    const WindowRect screen{0, 0, 1024, 700};
    const WindowRect tools{100, 300, 620, 24};
    EXPECT_EQ(PlaceClearOf(screen, {50, 50, 300, 200}, tools), (WindowRect{50, 50, 300, 200}));
    EXPECT_EQ(PlaceClearOf(screen, {200, 250, 300, 200}, tools), (WindowRect{200, 324, 300, 200}));
    EXPECT_EQ(PlaceClearOf(screen, {200, 250, 300, 500}, tools), (WindowRect{720, 200, 300, 500}));
    EXPECT_EQ(PlaceClearOf(screen, {900, 0, 2000, 300}, {0, 0, 1024, 24}),
              (WindowRect{0, 24, 1024, 300}));
}

TEST(WindowPlacementTest, RememberedRectanglesComeBackOnScreen) {
    const WindowRect screen{0, 0, 1024, 700};
    EXPECT_EQ(FitOnScreen(screen, {1500, 900, 400, 300}), (WindowRect{624, 400, 400, 300}));
    EXPECT_EQ(FitOnScreen(screen, {-50, -20, 2000, 1500}), (WindowRect{0, 0, 1024, 700}));
    EXPECT_EQ(FitOnScreen(screen, {10, 20, 300, 200}), (WindowRect{10, 20, 300, 200}));
}

} // namespace
} // namespace dered
