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
    // Too little room right of the main window: the map covers its body, not its title.
    const WindowPlacement narrow =
        PlaceWindows({0, 0, 1024, 700}, {800, 680}, {300, 260}, {2740, 1490});
    EXPECT_EQ(narrow.summary, (WindowRect{724, 0, 300, 260}));
    EXPECT_EQ(narrow.map, (WindowRect{544, 260, 480, 440}));
}

TEST(WindowPlacementTest, RememberedRectanglesComeBackOnScreen) {
    const WindowRect screen{0, 0, 1024, 700};
    EXPECT_EQ(FitOnScreen(screen, {1500, 900, 400, 300}), (WindowRect{624, 400, 400, 300}));
    EXPECT_EQ(FitOnScreen(screen, {-50, -20, 2000, 1500}), (WindowRect{0, 0, 1024, 700}));
    EXPECT_EQ(FitOnScreen(screen, {10, 20, 300, 200}), (WindowRect{10, 20, 300, 200}));
}

} // namespace
} // namespace dered
