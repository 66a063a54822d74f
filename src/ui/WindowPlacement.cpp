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

WindowRect PlaceClearOf(const WindowRect& screen, const WindowRect& wanted,
                        const WindowRect& keepClear) {
    const WindowRect fitted = FitOnScreen(screen, wanted);
    const WindowRect candidates[] = {
        fitted,
        {fitted.x, keepClear.Bottom(), fitted.width, fitted.height},
        {keepClear.Right(), fitted.y, fitted.width, fitted.height},
        {keepClear.x - fitted.width, fitted.y, fitted.width, fitted.height},
        {fitted.x, keepClear.y - fitted.height, fitted.width, fitted.height},
    };
    for (const WindowRect& candidate : candidates) {
        const WindowRect onScreen = FitOnScreen(screen, candidate);
        if (!onScreen.Intersects(keepClear)) {
            return onScreen;
        }
    }
    const int below = std::max(screen.y, keepClear.Bottom());
    const int above = std::min(screen.Bottom(), keepClear.y);
    const int right = std::max(screen.x, keepClear.Right());
    const int left = std::min(screen.Right(), keepClear.x);
    const WindowRect parts[] = {
        {screen.x, below, screen.width, screen.Bottom() - below},
        {right, screen.y, screen.Right() - right, screen.height},
        {screen.x, screen.y, left - screen.x, screen.height},
        {screen.x, screen.y, screen.width, above - screen.y},
    };
    const auto area = [](const WindowRect& r) {
        return std::max(0, r.width) * std::max(0, r.height);
    };
    const WindowRect* largest = &parts[0];
    for (const WindowRect& part : parts) {
        largest = area(part) > area(*largest) ? &part : largest;
    }
    if (area(*largest) == 0) {
        return fitted;
    }
    return FitOnScreen(*largest, fitted);
}

WindowPlacement PlaceWindows(const WindowRect& screen, WindowSize main, WindowSize summary,
                             WindowSize map) {
    WindowPlacement placed;
    // With no room for the map's buttons right of the main window, the map goes below it: the
    // main window keeps two fifths of the screen's height.
    const bool mapBelow = screen.Right() - (screen.x + main.width) < kMinMapWidth;
    if (mapBelow) {
        main.height = std::min(main.height, screen.height * 2 / 5);
    }
    placed.main = FitOnScreen(screen, {screen.x, screen.y, main.width, main.height});
    // Beside the main window; on a narrow screen it covers the main window's right edge, never
    // the start of its title.
    placed.summary =
        FitOnScreen(screen, {placed.main.Right(), screen.y, summary.width, summary.height});
    // Below the summary, right of the main window where there is room enough for a map, else
    // below both.
    const int left =
        mapBelow ? screen.x : std::min(placed.main.Right(), screen.Right() - kMinMapWidth);
    const int below = mapBelow ? std::max(placed.main.Bottom(), placed.summary.Bottom())
                               : placed.summary.Bottom();
    const int top = std::min(below, screen.Bottom() - kMinMapHeight);
    WindowRect rest{left, top, screen.Right() - left, screen.Bottom() - top};
    rest.width = std::min(rest.width, map.width);
    rest.height = std::min(rest.height, map.height);
    placed.map = FitOnScreen(screen, rest);
    return placed;
}

} // namespace dered
