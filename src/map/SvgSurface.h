#pragma once

#include "map/DrawingSurface.h"
#include "map/PixelRaster.h"

#include <string>
#include <string_view>

namespace dered {

// A drawing surface that writes SVG: polygons, lines and rectangles as shapes, the small
// pictures as their pixels. It also keeps the pixels a screen would show, so that an
// exclusive-or copy comes out in the colour it shows on screen.
//
// Shapes follow the screen surface's pixels: a polygon and a one-pixel line cover the pixels
// right of and below their points; wider lines are centred on them.
class SvgSurface : public DrawingSurface {
  public:
    SvgSurface(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Resize(int width, int height) override;
    void Clear(int32_t colour) override;
    void FillPolygon(std::span<const Point32> points, int32_t colour) override;
    void Polyline(std::span<const Point32> points, int width, int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, int32_t colour) override;
    void DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                     bool exclusiveOr) override;
    // Written as SVG text only: the pixels kept for exclusive-or copies leave it out.
    void DrawText(int x, int y, std::string_view text, int32_t colour) override;
    // Only another SvgSurface can be copied; anything else is left out.
    void CopyFrom(const DrawingSurface& source, int x, int y) override;

    // The whole document: a title line of kTitleHeight pixels above the picture.
    [[nodiscard]] std::string Document(std::string_view title) const;
    // The colour a screen would show at (x, y) of the picture.
    [[nodiscard]] int32_t ShownColour(int x, int y) const { return raster_.At(x, y); }

    static constexpr int kTitleHeight = 20;

  private:
    int width_;
    int height_;
    std::string body_;
    PixelRaster raster_;
};

// "#rrggbb" of a 0x00BBGGRR colour.
std::string SvgColour(int32_t colour);
// Text with &, <, > and quotes as XML entities.
std::string XmlEscaped(std::string_view text);

} // namespace dered
