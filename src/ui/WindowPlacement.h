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
    bool operator==(const WindowRect&) const = default;
};

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// Where the three windows go on the available screen: the main window at the top left, the
// summary beside it, the map in what is left below the summary. Each window keeps its title
// bar clear of the others and none is larger than the screen. Sizes are outer sizes.
struct WindowPlacement {
    WindowRect main;
    WindowRect summary;
    WindowRect map;
};

inline constexpr int kMinMapWidth = 480;
inline constexpr int kMinMapHeight = 240;

[[nodiscard]] WindowPlacement PlaceWindows(const WindowRect& screen, WindowSize main,
                                           WindowSize summary, WindowSize map);

// A remembered rectangle brought onto the screen: no larger than it, and wholly on it.
[[nodiscard]] WindowRect FitOnScreen(const WindowRect& screen, WindowRect window);

} // namespace dered
