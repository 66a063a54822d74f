#include "qt/ShapeSpans.h"

#include <QPainter>

#include <algorithm>

namespace dered {

namespace {

// Room around the shape on the scratch image: a pixel found there means the bounds were
// wrong, and the shape is never copied.
constexpr int kMargin = 4;
constexpr int kLargestSide = 256;
// Shapes that never repeat (long arrows) should not fill the memory.
constexpr size_t kMostShapes = 4096;

// An image of scale 2 is drawn on in its own pixels: one more or less here moves the shape by
// two of them, which sets the same pixels moved.
ShapeSpans Rasterise(const QRect& bounds, int scale, const ShapeSpansCache::Draw& draw) {
    ShapeSpans shape;
    if (bounds.width() > kLargestSide || bounds.height() > kLargestSide) {
        return shape;
    }
    QImage scratch((bounds.width() + 2 * kMargin) * scale, (bounds.height() + 2 * kMargin) * scale,
                   QImage::Format_RGB32);
    scratch.setDevicePixelRatio(scale);
    scratch.fill(Qt::black);
    const QPoint at(kMargin - bounds.left(), kMargin - bounds.top());
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        draw(painter, at);
    }
    const QPoint origin = at * scale;
    const QRect inside = scratch.rect().adjusted(1, 1, -1, -1);
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width();) {
            if (qGray(line[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scratch.width() && qGray(line[x]) != 0) {
                ++x;
            }
            if (!inside.contains(start, y) || !inside.contains(x - 1, y)) {
                return {};
            }
            shape.spans.push_back({y - origin.y(), start - origin.x(), x - origin.x()});
            shape.extent |= QRect(start - origin.x(), y - origin.y(), x - start, 1);
        }
    }
    shape.usable = true;
    return shape;
}

} // namespace

const ShapeSpans& ShapeSpansCache::Find(const std::vector<int>& key, const QRect& bounds,
                                        const Draw& draw) {
    auto it = shapes_.find(key);
    if (it != shapes_.end()) {
        return it->second;
    }
    if (shapes_.size() >= kMostShapes) {
        shapes_.clear();
    }
    return shapes_.emplace(key, Rasterise(bounds, scale_, draw)).first->second;
}

bool FillShape(QImage& image, const ShapeSpans& shape, QPoint origin, QRgb colour) {
    if (!shape.usable || !image.rect().contains(shape.extent.translated(origin))) {
        return false;
    }
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const ShapeSpans::Span& span : shape.spans) {
        auto* line = reinterpret_cast<QRgb*>(bits + (origin.y() + span.y) * stride);
        std::fill(line + origin.x() + span.x0, line + origin.x() + span.x1, colour);
    }
    return true;
}

} // namespace dered
