#pragma once

namespace dered {

// A window's outer rectangle, frame and title included, in screen pixels.
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Intersects(const WindowRect& other) const {
        return x < other.Right() && other.x < Right() && y < other.Bottom() && other.y < Bottom();
    }
    bool operator==(const WindowRect&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// Where the three windows go on the available screen: the main window at the top left, the
// summary beside it, the map in what is left below the summary; where that leaves the map too
// narrow for its row of buttons and its search field, the main window is made lower and the
// map goes below both. Each window keeps its title bar clear of the others and none is larger
// than the screen. Sizes are outer sizes.
struct WindowPlacement {
    WindowRect main;
    WindowRect summary;
    WindowRect map;
};

// The map window's row of option buttons and its search field, with the frame, fit this width.
inline constexpr int kMinMapWidth = 640;
inline constexpr int kMinMapHeight = 240;

[[nodiscard]] WindowPlacement PlaceWindows(const WindowRect& screen, WindowSize main,
                                           WindowSize summary, WindowSize map);

// A remembered rectangle brought onto the screen: no larger than it, and wholly on it.
[[nodiscard]] WindowRect FitOnScreen(const WindowRect& screen, WindowRect window);

// A window wanted at `wanted`, brought onto the screen; when it would cover `keepClear` (the
// map's buttons and search field), moved below it, else right of it, left of it or above it,
// whichever first leaves it clear and on the screen. When none has room, it is made smaller to
// fit the largest of those four parts of the screen.
[[nodiscard]] WindowRect PlaceClearOf(const WindowRect& screen, const WindowRect& wanted,
                                      const WindowRect& keepClear);

} // namespace dered
