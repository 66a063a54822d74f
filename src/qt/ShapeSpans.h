#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include <functional>
#include <map>
#include <vector>

class QPainter;

namespace dered {

// The pixels of one small shape as Qt's rasteriser sets them, row by row, relative to the
// shape's origin; at a scale of 2 the image's own pixels, twice as many each way.
struct ShapeSpans {
    struct Span {
        int y;
        int x0;
        int x1; // excluded
    };
    std::vector<Span> spans;
    QRect extent;        // every pixel set
    bool usable = false; // false when the shape was too large to keep
};

// The map repeats a few shapes thousands of times (one hexagon or square and its sides):
// each is rasterised once, by Qt on a scratch image, and its rows are copied after that.
// A shape is known by a key holding it relative to its origin, so that it gives the same
// pixels wherever it is drawn; the drawing function paints it in white with its origin at
// the point given.
class ShapeSpansCache {
  public:
    using Draw = std::function<void(QPainter&, QPoint origin)>;

    // Shapes drawn at the scale of the image they are copied to.
    explicit ShapeSpansCache(int scale = 1) : scale_(scale) {}

    // bounds: a rectangle around the shape, relative to its origin, that its pixels may
    // overrun by a pixel or two.
    const ShapeSpans& Find(const std::vector<int>& key, const QRect& bounds, const Draw& draw);

  private:
    int scale_;
    std::map<std::vector<int>, ShapeSpans> shapes_;
};

// Sets the shape's pixels with its origin at image pixel `origin`, if all of them are on the
// image.
// The image must be RGB32 and not shared.
bool FillShape(QImage& image, const ShapeSpans& shape, QPoint origin, QRgb colour);

} // namespace dered
