#include "qt/QImageSurface.h"

#include <QPainter>
#include <QPolygon>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace dered {
namespace {

constexpr int32_t kRed = 0x0000FF; // 0x00BBGGRR
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kOlive = 0x008080; // red 0x80, green 0x80

int32_t At(const QImageSurface& s, int x, int y) {
    return ColourFromQt(QColor(s.Image().pixel(x, y)));
}

TEST(QImageSurface, ColoursKeepRedInTheLowestByte) {
    EXPECT_EQ(ColourToQt(0x00332211), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(ColourFromQt(QColor(0x11, 0x22, 0x33)), 0x00332211);
    QImageSurface s(4, 4);
    s.Clear(kOlive);
    EXPECT_EQ(At(s, 3, 3), kOlive);
    EXPECT_EQ(s.Image().pixel(0, 0), qRgb(0x80, 0x80, 0x00));
}

// Text stays within its line and the width a layout allows it, in its colour.
TEST(QImageSurface, TextInsideItsLineAndWidth) {
    QImageSurface s(80, 30);
    s.Clear(kWhite);
    s.DrawText(10, 10, "WWWW", kRed);
    int inked = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (At(s, x, y) != kWhite) {
                ++inked;
                EXPECT_TRUE(x >= 10 && x < 10 + DrawingSurface::TextWidth(4) && y >= 10 &&
                            y < 10 + DrawingSurface::kTextHeight)
                    << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 20);
}

TEST(QImageSurface, ThinLineLeavesOutItsLastPointWideLineCoversItsWidth) {
    QImageSurface s(20, 20);
    s.Clear(kWhite);
    const std::array<Point32, 2> thin{{{2, 3}, {8, 3}}};
    s.Polyline(thin, 1, kRed);
    for (int x = 2; x < 8; ++x) {
        EXPECT_EQ(At(s, x, 3), kRed) << x;
    }
    EXPECT_EQ(At(s, 8, 3), kWhite);
    EXPECT_EQ(At(s, 5, 2), kWhite);
    EXPECT_EQ(At(s, 5, 4), kWhite);

    const std::array<Point32, 3> wide{{{2, 10}, {10, 10}, {10, 18}}};
    s.Polyline(wide, 3, kBlue);
    for (int y = 9; y <= 11; ++y) {
        EXPECT_EQ(At(s, 6, y), kBlue) << y;
    }
    EXPECT_EQ(At(s, 6, 8), kWhite);
    EXPECT_EQ(At(s, 6, 12), kWhite);
    EXPECT_EQ(At(s, 10, 10), kBlue); // the corner is joined
    EXPECT_EQ(At(s, 10, 14), kBlue);
}

// A segment of a wide line: a quadrilateral square at both ends.
std::array<QPointF, 4> WideSegment(QPoint from, QPoint to, int width) {
    const QPointF along =
        QPointF(to - from) / std::hypot(to.x() - from.x(), to.y() - from.y()) * (width / 2.0);
    const QPointF across(-along.y(), along.x());
    return {from - along + across, to + along + across, to + along - across, from - along - across};
}

// A shape wholly on the surface is copied from the rows its first drawing left, one partly
// off it is drawn by the painter: either way the pixels are the painter's, wherever it is,
// unsmoothed and outlined on every side, squares' upright sides too, at both scales.
TEST(QImageSurface, RepeatedShapesGiveThePaintersPixelsWhereverTheyAre) {
    const std::vector<QPoint> hexagon{{0, 0}, {7, -11}, {20, -11}, {27, 0}, {20, 11}, {7, 11}};
    const std::vector<QPoint> notConvex{{0, 14}, {12, 24}, {4, 14}, {12, 4}};
    const std::vector<QPoint> wide{{0, 0}, {7, -11}, {20, -11}, {27, 0}, {20, 11}};
    const std::vector<QPoint> square{{14, 14}, {24, 14}, {24, 24}, {14, 24}, {14, 14}};
    auto toSurface = [](const std::vector<QPoint>& points, QPoint at) {
        std::vector<Point32> moved;
        for (const QPoint& p : points) {
            moved.push_back({p.x() + at.x(), p.y() + at.y()});
        }
        return moved;
    };
    constexpr int kSide = 60;
    for (const int scale : {1, 2}) {
        for (int x = -30; x <= kSide; x += 3) {
            for (int y : {-6, 30, 58}) {
                const QPoint at(x, y);
                QImageSurface s(kSide, kSide, scale);
                s.Clear(kWhite);
                s.FillPolygon(toSurface(hexagon, at), kRed);
                s.FillPolygon(toSurface(notConvex, at), kOlive);
                s.FillPolygon(toSurface(square, at), kBlack);
                s.Polyline(toSurface(wide, at), 2, kBlue);

                QImage expected(kSide * scale, kSide * scale, QImage::Format_RGB32);
                expected.setDevicePixelRatio(scale);
                expected.fill(Qt::white);
                QPainter painter(&expected);
                for (const auto& [points, colour] :
                     {std::pair(hexagon, kRed), std::pair(notConvex, kOlive),
                      std::pair(square, kBlack)}) {
                    painter.setPen(
                        QPen(ColourToQt(colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                    painter.setBrush(ColourToQt(colour));
                    painter.drawPolygon(
                        QPolygon(QList<QPoint>(points.begin(), points.end())).translated(at));
                }
                painter.setPen(Qt::NoPen);
                painter.setBrush(ColourToQt(kBlue));
                for (size_t i = 1; i < wide.size(); ++i) {
                    const auto quad = WideSegment(wide[i - 1] + at, wide[i] + at, 2);
                    painter.drawConvexPolygon(quad.data(), 4);
                }
                painter.end();
                for (int j = 0; j < kSide * scale; ++j) {
                    for (int i = 0; i < kSide * scale; ++i) {
                        ASSERT_EQ(s.Image().pixel(i, j), expected.pixel(i, j))
                            << "shapes at " << x << "," << y << ", scale " << scale << ", pixel "
                            << i << "," << j;
                    }
                }
            }
        }
    }
}

TEST(QImageSurface, RectangleCoversUpToButNotIncludingItsSecondCorner) {
    QImageSurface s(40, 20);
    s.Clear(kWhite);
    s.FillRect(4, 2, 36, 18, kRed); // a 32 x 16 owner rectangle
    EXPECT_EQ(At(s, 4, 2), kRed);
    EXPECT_EQ(At(s, 35, 17), kRed);
    EXPECT_EQ(At(s, 36, 10), kWhite);
    EXPECT_EQ(At(s, 20, 18), kWhite);
    EXPECT_EQ(At(s, 3, 10), kWhite);
    s.FillRect(10, 10, 6, 6, kBlue); // corners in either order
    EXPECT_EQ(At(s, 6, 6), kBlue);
    EXPECT_EQ(At(s, 9, 9), kBlue);
    EXPECT_EQ(At(s, 10, 10), kRed);
}

Picture Stripes() {
    // 4 x 2: white, black, white, red on both rows
    return Picture{4, 2, {kWhite, kBlack, kWhite, kRed, kWhite, kBlack, kWhite, kRed}};
}

TEST(QImageSurface, ExclusiveOrPictureInvertsUnderWhiteAndLeavesUnderBlack) {
    QImageSurface s(10, 4);
    s.Clear(kOlive);
    const Picture picture = Stripes();
    s.DrawPicture(picture, 0, 4, 1, 1, true);
    EXPECT_EQ(At(s, 1, 1), kOlive ^ kWhite);
    EXPECT_EQ(At(s, 2, 1), kOlive);
    EXPECT_EQ(At(s, 4, 2), kOlive ^ kRed);
    EXPECT_EQ(At(s, 0, 1), kOlive);
    EXPECT_EQ(At(s, 1, 3), kOlive);
    // Twice is nothing: the map is as before.
    s.DrawPicture(picture, 0, 4, 1, 1, true);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(At(s, x, 1), kOlive) << x;
    }
    // The surface stays opaque after exclusive-or.
    s.DrawPicture(picture, 0, 4, 1, 1, true);
    EXPECT_EQ(qAlpha(s.Image().pixel(1, 1)), 255);
    // Only the chosen columns: column 3 (red) at 8, as half pictures are drawn.
    s.DrawPicture(picture, 3, 1, 8, 1, true);
    EXPECT_EQ(At(s, 8, 1), kOlive ^ kRed);
    EXPECT_EQ(At(s, 9, 1), kOlive);
}

TEST(QImageSurface, PlainPictureCopiesOnlyTheChosenColumns) {
    QImageSurface s(10, 4);
    s.Clear(kBlue);
    s.DrawPicture(Stripes(), 2, 2, 5, 0, false); // columns 2 and 3: white, red
    EXPECT_EQ(At(s, 4, 0), kBlue);
    EXPECT_EQ(At(s, 5, 0), kWhite);
    EXPECT_EQ(At(s, 6, 1), kRed);
    EXPECT_EQ(At(s, 7, 0), kBlue);
    EXPECT_EQ(At(s, 5, 2), kBlue);
}

// On a screen of scale 2: every picture pixel becomes a block of 2 x 2 screen pixels, copied
// or inverted without smoothing; edges and copies land at the screen's pixels.
TEST(QImageSurface, AtScaleTwoPicturesDoubleWithoutSmoothingAndShapesUseEveryPixel) {
    QImageSurface s(10, 4, 2);
    ASSERT_EQ(s.Image().width(), 20);
    ASSERT_EQ(s.Image().height(), 8);
    EXPECT_EQ(s.Width(), 10);
    s.Clear(kOlive);
    s.DrawPicture(Stripes(), 0, 4, 1, 1, true);
    const std::array<int32_t, 4> shown{kOlive ^ kWhite, kOlive, kOlive ^ kWhite, kOlive ^ kRed};
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(At(s, 2 + x, 2 + y), shown[x / 2]) << x << "," << y;
        }
    }
    EXPECT_EQ(At(s, 1, 2), kOlive);
    EXPECT_EQ(At(s, 10, 2), kOlive);
    EXPECT_EQ(At(s, 2, 6), kOlive);

    // A rectangle from (1, 0) to (3, 1) covers screen pixels 2..5 by 0..1.
    s.FillRect(1, 0, 3, 1, kBlue);
    EXPECT_EQ(At(s, 1, 0), kOlive);
    EXPECT_EQ(At(s, 2, 1), kBlue);
    EXPECT_EQ(At(s, 5, 1), kBlue);
    EXPECT_EQ(At(s, 6, 0), kOlive);

    QImageSurface view(4, 2, 2);
    view.CopyFrom(s, -1, 0);
    EXPECT_EQ(At(view, 0, 1), kBlue);
    EXPECT_EQ(At(view, 3, 1), kBlue);
    EXPECT_EQ(At(view, 4, 1), kOlive);
}

TEST(QImageSurface, CopyPlacesTheSourceOriginAndClipsWhatDoesNotFit) {
    QImageSurface map(6, 4);
    map.Clear(kRed);
    map.FillRect(0, 0, 1, 1, kBlue);
    QImageSurface view(8, 8);
    view.Clear(kWhite);
    view.CopyFrom(map, -1, 2);
    EXPECT_EQ(At(view, 0, 2), kRed);
    EXPECT_EQ(At(view, 4, 5), kRed);
    EXPECT_EQ(At(view, 5, 5), kWhite);
    EXPECT_EQ(At(view, 0, 6), kWhite);
    EXPECT_EQ(At(view, 0, 1), kWhite);
    view.CopyFrom(map, 3, 3);
    EXPECT_EQ(At(view, 3, 3), kBlue);
    EXPECT_EQ(At(view, 7, 6), kRed);
}

TEST(QImageSurface, ResizeLosesTheContentAndTellsItsWindow) {
    QImageSurface s(0, 0);
    EXPECT_EQ(s.Width(), 0);
    EXPECT_EQ(s.Height(), 0);
    int changes = 0;
    s.onChanged = [&changes](const QRect&) { ++changes; };
    s.Resize(30, 20);
    EXPECT_EQ(s.Width(), 30);
    EXPECT_EQ(s.Image().size(), QSize(30, 20));
    s.Clear(kRed);
    s.Resize(30, 20);
    EXPECT_EQ(At(s, 5, 5), kWhite);
    EXPECT_EQ(changes, 3);
}

// Drawing under a clip changes only the pixels inside it, and the window hears of that part
// once the clip ends.
TEST(QImageSurface, AClipKeepsDrawingInsideItAndTellsItsWindowThatPart) {
    QImageSurface s(30, 20);
    std::vector<QRect> changed;
    s.onChanged = [&changed](const QRect& part) { changed.push_back(part); };
    ASSERT_TRUE(s.ClipTo(PixelRect{2, 3, 6, 5}));
    s.FillRect(0, 0, 30, 20, kBlue);
    s.Polyline(std::array<Point32, 2>{{{4, 0}, {4, 19}}}, 1, kRed);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(At(s, 2, 3), kWhite);
    s.ClipTo(std::nullopt);
    EXPECT_EQ(changed, (std::vector<QRect>{QRect(2, 3, 4, 2)}));
    EXPECT_EQ(At(s, 2, 3), kBlue);
    EXPECT_EQ(At(s, 4, 3), kRed);
    EXPECT_EQ(At(s, 4, 4), kRed);
    for (const auto& [x, y] : {std::pair{1, 4}, {6, 4}, {4, 2}, {4, 5}}) {
        EXPECT_EQ(At(s, x, y), kWhite) << x << "," << y;
    }
}

} // namespace
} // namespace dered
