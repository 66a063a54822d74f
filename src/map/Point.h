#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace dered {

struct Point32 {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point32&) const = default;
};

// The pixels x = left .. right - 1, y = top .. bottom - 1.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const PixelRect&) const = default;

    bool Empty() const { return right <= left || bottom <= top; }
    bool Intersects(const PixelRect& o) const {
        return !Empty() && !o.Empty() && left < o.right && o.left < right && top < o.bottom &&
               o.top < bottom;
    }
    // An empty rectangle adds nothing.
    PixelRect United(const PixelRect& o) const {
        if (o.Empty()) {
            return *this;
        }
        if (Empty()) {
            return o;
        }
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    PixelRect Intersected(const PixelRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    PixelRect Moved(int32_t dx, int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    PixelRect Grown(int32_t by) const { return {left - by, top - by, right + by, bottom + by}; }
};

// The pixels at the points themselves.
inline PixelRect BoundsOf(std::span<const Point32> points) {
    PixelRect r;
    for (const Point32& p : points) {
        r = r.United({p.x, p.y, p.x + 1, p.y + 1});
    }
    return r;
}

// Visits the pixels of a one-pixel line from `from` towards `to` (Bresenham), leaving out `to`.
template <typename Visit> void ForEachLinePixel(Point32 from, Point32 to, Visit&& visit) {
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - x);
    const int dy = -std::abs(to.y - y);
    const int sx = x < to.x ? 1 : -1;
    const int sy = y < to.y ? 1 : -1;
    int error = dx + dy;
    while (x != to.x || y != to.y) {
        visit(x, y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

} // namespace dered
