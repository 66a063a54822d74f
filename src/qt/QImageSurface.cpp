#include "qt/QImageSurface.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace dered {

QColor ColourToQt(int32_t colour) {
    const auto value = static_cast<uint32_t>(colour);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t ColourFromQt(const QColor& colour) {
    return static_cast<int32_t>(static_cast<uint32_t>(colour.red()) |
                                (static_cast<uint32_t>(colour.green()) << 8) |
                                (static_cast<uint32_t>(colour.blue()) << 16));
}

namespace {

// Any 32-bit colour as a non-negative number, leaving the negatives for "none".
int64_t Widen(int32_t colour) {
    return static_cast<int64_t>(static_cast<uint32_t>(colour));
}

QRgb ToRgb(int32_t colour) {
    return ColourToQt(colour).rgb();
}

} // namespace

QImageSurface::QImageSurface(int width, int height, int scale)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), scale_(std::max(scale, 1)),
      image_(MakeImage(width_, height_)), shapes_(scale_) {
    image_.fill(Qt::white);
    Begin();
}

namespace {

// A map-sized picture is many megabytes, first touched all at once: in pages of 4 KiB that is
// thousands of page faults, which cost more than drawing the map. Large pages, where the
// system gives them, take a few hundred times fewer. Small pictures keep the usual pages, as a
// large page each would waste memory.
constexpr size_t kLargePage = size_t{2} << 20;
constexpr size_t kLargeImage = kLargePage;

void FreePixels(void* pixels) {
    std::free(pixels);
}

QImage ImageOnLargePages(int width, int height) {
    const qsizetype bytesPerLine = qsizetype{width} * 4;
    const size_t bytes = static_cast<size_t>(bytesPerLine) * static_cast<size_t>(height);
    if (bytes < kLargeImage) {
        return QImage(width, height, QImage::Format_RGB32);
    }
    const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* pixels = std::aligned_alloc(kLargePage, rounded);
    if (pixels == nullptr) {
        return QImage(width, height, QImage::Format_RGB32);
    }
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    (void)madvise(pixels, rounded, MADV_HUGEPAGE);
#endif
    return QImage(static_cast<uchar*>(pixels), width, height, bytesPerLine, QImage::Format_RGB32,
                  FreePixels, pixels);
}

} // namespace

QImage QImageSurface::MakeImage(int width, int height) const {
    QImage image = ImageOnLargePages(std::max(width, 1) * scale_, std::max(height, 1) * scale_);
    image.setDevicePixelRatio(scale_);
    return image;
}

QImageSurface::~QImageSurface() {
    if (scratchPainter_.isActive()) {
        scratchPainter_.end();
    }
    painter_.end();
}

void QImageSurface::Begin() {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    penColour_ = brushColour_ = kUnknown;
}

void QImageSurface::Resize(int width, int height) {
    clipped_ = false;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    const QSize size(std::max(width_, 1) * scale_, std::max(height_, 1) * scale_);
    // The same size keeps the memory: a new image of a window's size costs thousands of page
    // faults, more than drawing on it.
    if (image_.size() != size) {
        painter_.end();
        image_ = MakeImage(width_, height_);
        Begin();
    }
    FillWhole(Qt::white);
    Changed();
}

void QImageSurface::Clear(int32_t colour) {
    FillWhole(ColourToQt(colour));
    Changed();
}

void QImageSurface::FillWhole(const QColor& colour) {
    Painter().setCompositionMode(QPainter::CompositionMode_Source);
    Painter().fillRect(QRect(0, 0, image_.width() / scale_, image_.height() / scale_), colour);
    Painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
}

const std::vector<QPoint>& QImageSurface::ToPoints(std::span<const Point32> points) {
    points_.clear();
    for (const Point32& p : points) {
        points_.emplace_back(p.x, p.y);
    }
    return points_;
}

namespace {

enum ShapeKind { kPolygonShape, kSegmentShape };
// Shapes are kept relative to their first point: coordinates beyond this are drawn plainly.
constexpr int32_t kFarthest = 1 << 20;

bool Near(Point32 p) {
    return std::abs(p.x) < kFarthest && std::abs(p.y) < kFarthest;
}

QPen OutlinePen(const QColor& colour) {
    return QPen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// The quadrilateral of a wide segment from the origin to (dx, dy), square at both ends.
std::array<QPointF, 4> SegmentQuad(QPoint origin, int dx, int dy, int width) {
    const double length = std::hypot(dx, dy);
    const double half = width / 2.0;
    // Along the segment (ux, uy) and across it (-uy, ux), each half a width long.
    const double ux = length > 0 ? dx / length * half : half;
    const double uy = length > 0 ? dy / length * half : 0.0;
    const QPointF a(origin.x() - ux, origin.y() - uy);
    const QPointF b(origin.x() + dx + ux, origin.y() + dy + uy);
    return {{{a.x() - uy, a.y() + ux},
             {b.x() - uy, b.y() + ux},
             {b.x() + uy, b.y() - ux},
             {a.x() + uy, a.y() - ux}}};
}

} // namespace

void QImageSurface::FillPolygon(std::span<const Point32> points, int32_t colour) {
    if (points.empty()) {
        return;
    }
    if (FillPolygonFromCache(points, colour)) {
        Changed();
        return;
    }
    UsePenAndBrush(Widen(colour), 1, Widen(colour));
    const auto& qpoints = ToPoints(points);
    Painter().drawPolygon(qpoints.data(), static_cast<int>(qpoints.size()));
    Changed();
}

void QImageSurface::Polyline(std::span<const Point32> points, int width, int32_t colour) {
    if (points.size() < 2) {
        return;
    }
    if (width <= 1) {
        // The classic pen: one pixel wide leaves out the last point.
        UsePenAndBrush(Widen(colour), 1, kNone);
        const auto& qpoints = ToPoints(points);
        Painter().drawPolyline(qpoints.data(), static_cast<int>(qpoints.size()));
    } else {
        // Wider lines are filled as one quadrilateral a segment, square at both ends: the
        // same pixels as a stroked pen at two or three pixels, without the stroker's cost,
        // which would make the whole map several times slower to draw.
        for (size_t i = 1; i < points.size(); ++i) {
            FillSegment(points[i - 1], points[i], width, colour);
        }
    }
    Changed();
}

// The map is drawn in thousands of small operations, most of them in the colour of the one
// before: the painter's state changes only when the colours or the width do.
void QImageSurface::UsePenAndBrush(int64_t penColour, int penWidth, int64_t brushColour) {
    if (penColour != penColour_ || penWidth != penWidth_) {
        if (penColour == kNone) {
            Painter().setPen(Qt::NoPen);
        } else {
            QPen pen = OutlinePen(ColourToQt(static_cast<int32_t>(penColour)));
            pen.setWidth(penWidth);
            Painter().setPen(pen);
        }
        penColour_ = penColour;
        penWidth_ = penWidth;
    }
    if (brushColour != brushColour_) {
        if (brushColour == kNone) {
            Painter().setBrush(Qt::NoBrush);
        } else {
            Painter().setBrush(ColourToQt(static_cast<int32_t>(brushColour)));
        }
        brushColour_ = brushColour;
    }
}

bool QImageSurface::FillPolygonFromCache(std::span<const Point32> points, int32_t colour) {
    const Point32 first = points[0];
    if (!Near(first)) {
        return false;
    }
    key_.assign({kPolygonShape});
    QRect bounds(0, 0, 1, 1);
    for (const Point32& p : points) {
        if (!Near(p)) {
            return false;
        }
        const QPoint relative(p.x - first.x, p.y - first.y);
        key_.push_back(relative.x());
        key_.push_back(relative.y());
        bounds |= QRect(relative, QSize(1, 1));
    }
    const ShapeSpans& shape = shapes_.Find(key_, bounds, [this](QPainter& painter, QPoint at) {
        painter.setPen(OutlinePen(Qt::white));
        painter.setBrush(Qt::white);
        QPolygon polygon;
        for (size_t i = 1; i < key_.size(); i += 2) {
            polygon << at + QPoint(key_[i], key_[i + 1]);
        }
        painter.drawPolygon(polygon);
    });
    return FillShape(Target(), shape, QPoint(first.x, first.y) * scale_, ToRgb(colour));
}

void QImageSurface::FillSegment(Point32 from, Point32 to, int width, int32_t colour) {
    const QPoint origin(from.x, from.y);
    if (Near(from) && Near(to)) {
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        key_.assign({kSegmentShape, width, dx, dy});
        const QRect bounds =
            QRect(QPoint(0, 0), QPoint(dx, dy)).normalized().adjusted(-width, -width, width, width);
        const ShapeSpans& shape =
            shapes_.Find(key_, bounds, [dx, dy, width](QPainter& painter, QPoint at) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::white);
                const auto quad = SegmentQuad(at, dx, dy, width);
                painter.drawConvexPolygon(quad.data(), 4);
            });
        if (FillShape(Target(), shape, origin * scale_, ToRgb(colour))) {
            return;
        }
    }
    UsePenAndBrush(kNone, 0, Widen(colour));
    const auto quad = SegmentQuad(origin, to.x - from.x, to.y - from.y, width);
    Painter().drawConvexPolygon(quad.data(), 4);
}

void QImageSurface::FillRect(int x1, int y1, int x2, int y2, int32_t colour) {
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    Painter().fillRect(QRect(left, top, std::abs(x2 - x1), std::abs(y2 - y1)), ColourToQt(colour));
    Changed();
}

const QImage& QImageSurface::PictureImage(const Picture& picture) {
    auto it = pictures_.find(&picture);
    if (it != pictures_.end() && it->second.pixels == picture.pixels.data() &&
        it->second.count == picture.pixels.size() && it->second.image.width() == picture.width) {
        return it->second.image;
    }
    QImage image(std::max(picture.width, 1), std::max(picture.height, 1), QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const size_t index = static_cast<size_t>(y) * picture.width + x;
            if (index < picture.pixels.size()) {
                line[x] = ToRgb(picture.pixels[index]);
            }
        }
    }
    CachedPicture& cached = pictures_[&picture];
    cached = {picture.pixels.data(), picture.pixels.size(), std::move(image)};
    return cached.image;
}

void QImageSurface::DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                                bool exclusiveOr) {
    if (picture.width <= 0 || picture.height <= 0 || width <= 0) {
        return;
    }
    const QImage& source = PictureImage(picture);
    Painter().setCompositionMode(exclusiveOr ? QPainter::RasterOp_SourceXorDestination
                                             : QPainter::CompositionMode_Source);
    Painter().drawImage(QPoint(x, y), source, QRect(srcX, 0, width, picture.height));
    Painter().setCompositionMode(QPainter::CompositionMode_SourceOver);
    Changed();
}

void QImageSurface::CopyFrom(const DrawingSurface& source, int x, int y) {
    const auto* other = dynamic_cast<const QImageSurface*>(&source);
    if (other == nullptr || other == this) {
        return;
    }
    QPainter& painter = Painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (clipped_ && other->scale_ == scale_) {
        // Only the part under the clip: the rest would never reach the image.
        const QRect whole(x, y, other->image_.width() / scale_, other->image_.height() / scale_);
        const QRect part = whole.intersected(clip_);
        if (!part.isEmpty()) {
            painter.drawImage(part.topLeft(), other->image_,
                              QRect((part.x() - x) * scale_, (part.y() - y) * scale_,
                                    part.width() * scale_, part.height() * scale_));
        }
    } else {
        painter.drawImage(QPoint(x, y), other->image_);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Changed();
}

void QImageSurface::DrawText(int x, int y, std::string_view text, int32_t colour) {
    QPainter& painter = Painter();
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Layouts allow TextWidth() a text: wide letters get a smaller font rather than overrun.
    const int allowed = TextWidth(static_cast<size_t>(line.size()));
    QFont font = painter.font();
    for (int size = kTextHeight - 1; size >= kTextHeight / 2; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(line) <= allowed) {
            break;
        }
    }
    painter.setFont(font);
    painter.setPen(ColourToQt(colour));
    penColour_ = kUnknown;
    painter.drawText(QRect(x, y, allowed, kTextHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
    Changed();
}

namespace {

void CopyPixels(const QImage& from, QImage& to, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        std::copy_n(reinterpret_cast<const QRgb*>(from.constScanLine(y)) + rect.left(),
                    rect.width(), reinterpret_cast<QRgb*>(to.scanLine(y)) + rect.left());
    }
}

} // namespace

QRect QImageSurface::DeviceClip() const {
    const QRect device(clip_.x() * scale_, clip_.y() * scale_, clip_.width() * scale_,
                       clip_.height() * scale_);
    return device.intersected(image_.rect());
}

// The copy has the image's size, so that Qt draws every shape on it as on the image.
void QImageSurface::PrepareScratch() {
    if (scratch_.size() == image_.size()) {
        return;
    }
    if (scratchPainter_.isActive()) {
        scratchPainter_.end();
    }
    scratch_ = MakeImage(width_, height_);
    scratchPainter_.begin(&scratch_);
    scratchPainter_.setRenderHint(QPainter::Antialiasing, false);
    scratchPainter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

bool QImageSurface::ClipTo(std::optional<PixelRect> clip) {
    if (clipped_) {
        CopyPixels(scratch_, image_, DeviceClip());
        clipped_ = false;
        if (onChanged) {
            onChanged(clip_);
        }
    }
    if (clip) {
        PrepareScratch();
        clip_ = QRect(QPoint(clip->left, clip->top), QPoint(clip->right - 1, clip->bottom - 1));
        CopyPixels(image_, scratch_, DeviceClip());
        clipped_ = true;
    }
    // The pen and brush known are the other painter's.
    penColour_ = brushColour_ = kUnknown;
    return true;
}

} // namespace dered
