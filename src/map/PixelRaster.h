#pragma once

#include "map/Point.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace dered {

// A plain pixel buffer that follows what a vector surface draws, so that an exclusive-or copy
// can be given the colour it shows on screen. Pixel (x, y) is the square from (x, y) to
// (x + 1, y + 1); drawing outside the buffer is dropped.
class PixelRaster {
  public:
    void Resize(int width, int height);
    void Fill(int32_t colour);
    // The polygon through the points with a one-pixel outline, as a classic pen draws it.
    void FillPolygon(std::span<const Point32> points, int32_t colour);
    // A line one pixel wide, leaving out its last point.
    void ThinLine(Point32 from, Point32 to, int32_t colour);
    // A line `width` wide, square at both ends, centred on the points.
    void WideLine(Point32 from, Point32 to, int width, int32_t colour);
    // Pixels x1..x2-1, y1..y2-1.
    void FillRect(int x1, int y1, int x2, int y2, int32_t colour);

    [[nodiscard]] int32_t At(int x, int y) const;
    void Set(int x, int y, int32_t colour);
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    struct Vertex {
        double x, y;
    };
    // Pixels whose centres lie inside the polygon (even-odd).
    void FillCentres(std::span<const Vertex> vertices, int32_t colour);

    int width_ = 0;
    int height_ = 0;
    std::vector<int32_t> pixels_;
    // The colour of every pixel while nothing was drawn since the last fill: a map picture is
    // made and cleared to white before it is drawn, and the buffer is large.
    std::optional<int32_t> uniform_;
    std::vector<double> crossings_;
};

} // namespace dered
