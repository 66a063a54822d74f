#pragma once

#include "map/Point.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace dered {

// A small stored bitmap: pixels row by row as 0x00BBGGRR colours.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<int32_t> pixels;
};

// A picture surface the renderer draws on. Colours are 0x00BBGGRR.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Resizing loses the content.
    virtual void Resize(int width, int height) = 0;
    virtual void Clear(int32_t colour) = 0;
    // Filled polygon, outlined in its own colour with width 1.
    virtual void FillPolygon(std::span<const Point32> points, int32_t colour) = 0;
    virtual void Polyline(std::span<const Point32> points, int width, int32_t colour) = 0;
    // Filled rectangle from (x1, y1) to (x2, y2), outlined in the same colour.
    virtual void FillRect(int x1, int y1, int x2, int y2, int32_t colour) = 0;
    // Copies columns srcX .. srcX + width - 1 of the picture to (x, y), plainly or by
    // exclusive-or (white pixels invert the surface, black ones leave it).
    virtual void DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                             bool exclusiveOr) = 0;
    // Copies the whole source with its origin at (x, y) of this surface, as much as fits.
    virtual void CopyFrom(const DrawingSurface& source, int x, int y) = 0;
    // A line of text of kTextHeight pixels with its top left at (x, y). Surfaces that cannot
    // write text leave it out.
    virtual void DrawText(int x, int y, std::string_view text, int32_t colour) {
        (void)x, (void)y, (void)text, (void)colour;
    }
    static constexpr int kTextHeight = 12;
    // What a surface's text of n characters is at most wide, for a layout that must not
    // measure: the widest letters of the sans-serif font at kTextHeight.
    static constexpr int TextWidth(size_t characters) { return static_cast<int>(characters) * 7; }
    // Until the next call, drawing changes only the pixels inside the rectangle; none: all of
    // them. False when the surface cannot clip, and draws everywhere.
    virtual bool ClipTo(std::optional<PixelRect> clip) {
        (void)clip;
        return false;
    }
};

} // namespace dered
