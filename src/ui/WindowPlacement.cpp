#include "ui/WindowPlacement.h"

#include <algorithm>

namespace dered {

WindowRect FitOnScreen(const WindowRect& screen, WindowRect window) {
    window.width = std::clamp(window.width, 0, screen.width);
    window.height = std::clamp(window.height, 0, screen.height);
    window.x = std::clamp(window.x, screen.x, screen.Right() - window.width);
    window.y = std::clamp(window.y, screen.y, screen.Bottom() - window.height);
    return window;
}

WindowPlacement PlaceWindows(const WindowRect& screen, WindowSize main, WindowSize summary,
                             WindowSize map) {
    WindowPlacement placed;
    placed.main = FitOnScreen(screen, {screen.x, screen.y, main.width, main.height});
    // Beside the main window; on a narrow screen it covers the main window's right edge, never
    // the start of its title.
    placed.summary =
        FitOnScreen(screen, {placed.main.Right(), screen.y, summary.width, summary.height});
    // Below the summary, right of the main window where there is room enough for a map.
    const int left = std::min(placed.main.Right(), screen.Right() - kMinMapWidth);
    const int top = std::min(placed.summary.Bottom(), screen.Bottom() - kMinMapHeight);
    WindowRect rest{left, top, screen.Right() - left, screen.Bottom() - top};
    rest.width = std::min(rest.width, map.width);
    rest.height = std::min(rest.height, map.height);
    placed.map = FitOnScreen(screen, rest);
    return placed;
}

} // namespace dered
