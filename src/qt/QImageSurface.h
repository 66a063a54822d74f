#pragma once

#include "map/DrawingSurface.h"
#include "qt/ShapeSpans.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <functional>
#include <unordered_map>
#include <vector>

namespace dered {

// The map's drawing surface on a QImage. One painter stays open for the surface's life, as
// the map is drawn in thousands of small operations.
//
// Lines follow the classic pen: a one-pixel line leaves out its last point (flat cap), wider
// lines end square. Rectangles cover x1..x2-1 and y1..y2-1.
class QImageSurface : public DrawingSurface {
  public:
    // At a scale of 2 (a high-DPI screen) the image has twice the pixels each way and is drawn
    // at them: edges at the screen's pixels, pictures doubled without smoothing.
    QImageSurface(int width, int height, int scale = 1);
    ~QImageSurface() override;
    QImageSurface(const QImageSurface&) = delete;
    QImageSurface& operator=(const QImageSurface&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Resize(int width, int height) override;
    void Clear(int32_t colour) override;
    void FillPolygon(std::span<const Point32> points, int32_t colour) override;
    void Polyline(std::span<const Point32> points, int width, int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, int32_t colour) override;
    void DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                     bool exclusiveOr) override;
    void CopyFrom(const DrawingSurface& source, int x, int y) override;
    void DrawText(int x, int y, std::string_view text, int32_t colour) override;
    // Drawing under a clip goes to a copy of the image the same size, without Qt's own clip,
    // which would set some pixels of a line otherwise than the line drawn whole: only the
    // clip's pixels go back to the image when the clip ends.
    bool ClipTo(std::optional<PixelRect> clip) override;

    // The image may be larger than Width() x Height(): an empty surface keeps one pixel. Its
    // device pixel ratio is the surface's scale.
    const QImage& Image() const { return image_; }
    int Scale() const { return scale_; }
    // Called after every drawing operation with the part of the surface it may have changed
    // (the whole, or the clip when it ends), for a window that shows this surface.
    std::function<void(const QRect&)> onChanged;

  private:
    struct CachedPicture {
        const int32_t* pixels;
        size_t count;
        QImage image;
    };
    void Begin();
    QPainter& Painter() { return clipped_ ? scratchPainter_ : painter_; }
    QImage& Target() { return clipped_ ? scratch_ : image_; }
    void PrepareScratch();
    QRect DeviceClip() const;
    QImage MakeImage(int width, int height) const;
    void FillWhole(const QColor& colour);
    bool FillPolygonFromCache(std::span<const Point32> points, int32_t colour);
    void FillSegment(Point32 from, Point32 to, int width, int32_t colour);
    // Colours widened so that "no pen" and "not known" are values of their own.
    static constexpr int64_t kNone = -1;
    static constexpr int64_t kUnknown = -2;
    void UsePenAndBrush(int64_t penColour, int penWidth, int64_t brushColour);
    // Drawing under a clip shows when the clip ends.
    void Changed() {
        if (onChanged && !clipped_) {
            onChanged(QRect(0, 0, width_, height_));
        }
    }
    const QImage& PictureImage(const Picture& picture);
    const std::vector<QPoint>& ToPoints(std::span<const Point32> points);

    int width_;
    int height_;
    int scale_;
    QImage image_;
    QPainter painter_;
    QImage scratch_;
    QPainter scratchPainter_;
    QRect clip_; // view pixels, while clipped
    bool clipped_ = false;
    std::vector<QPoint> points_;
    int64_t penColour_ = kUnknown;
    int penWidth_ = 0;
    int64_t brushColour_ = kUnknown;
    std::unordered_map<const Picture*, CachedPicture> pictures_;
    ShapeSpansCache shapes_;
    std::vector<int> key_;
};

// 0x00BBGGRR as the program stores colours.
QColor ColourToQt(int32_t colour);
int32_t ColourFromQt(const QColor& colour);

} // namespace dered
