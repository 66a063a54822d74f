// The exported SVG, drawn by Qt's SVG renderer, against the screen surface's picture of the
// same map: only pixels along the edges of shapes may differ.
#include "map/Arrows.h"
#include "map/Geometry.h"
#include "map/MapExport.h"
#include "map/Renderer.h"
#include "map/SvgSurface.h"
#include "qt/QImageSurface.h"
#include "support/DemoTurn.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace dered {
namespace {

QImage ScreenPicture(const test::DemoTurn& demo, const MapPictures& pictures, int16_t size,
                     bool hex) {
    SettingsRecord settings = demo.settings;
    settings.CellSize = size;
    settings.HexDisplay = hex ? -1 : 0;
    MapGeometry geometry;
    SetDisplayMetrics(geometry, settings);
    BuildHexTables(geometry);
    QImageSurface surface(PictureWidth(geometry), PictureHeight(geometry));
    DrawAllCells({surface, geometry, demo.game, demo.hexMap, settings, pictures});
    ArrowList arrows;
    DrawAllOrderArrows({surface, arrows, geometry, demo.game, demo.hexMap, settings}, 0, 0);
    return surface.Image().copy();
}

// Smoothed edges leave traces of a neighbour's colour: those count as the same colour.
bool Alike(QRgb a, QRgb b) {
    constexpr int kTolerance = 48;
    return std::abs(qRed(a) - qRed(b)) <= kTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= kTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= kTolerance;
}

// A pixel whose 3 x 3 neighbourhood on screen holds more than one colour.
bool OnEdge(const QImage& screen, int x, int y) {
    const QRgb own = screen.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < screen.width() && ny < screen.height() &&
                screen.pixel(nx, ny) != own) {
                return true;
            }
        }
    }
    return false;
}

TEST(SvgExport, DrawnByQtItShowsTheScreenPicture) {
    test::DemoTurn demo;
    demo.game.Areas[118].Command = "MO";
    demo.game.Areas[118].Parm1 = 105;
    demo.game.Areas[123].Command = "SD";
    demo.game.Areas[123].Parm1 = 118;
    const MapPictures pictures = MakeMapPictures();
    struct Case {
        int16_t size;
        bool hex;
    };
    for (const Case c : {Case{26, true}, Case{14, true}, Case{34, false}}) {
        const QImage screen = ScreenPicture(demo, pictures, c.size, c.hex);
        const MapSvg svg =
            ExportMapSvg(demo.game, demo.hexMap, demo.settings, pictures, {c.size, c.hex, true});
        QSvgRenderer renderer(QByteArray::fromStdString(svg.text));
        ASSERT_TRUE(renderer.isValid()) << c.size;
        QImage drawn(svg.width, svg.height, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            renderer.render(&painter);
        }
        int differing = 0;
        int inside = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                if (!Alike(drawn.pixel(x, y + SvgSurface::kTitleHeight), screen.pixel(x, y))) {
                    ++differing;
                    inside += OnEdge(screen, x, y) ? 0 : 1;
                }
            }
        }
        const double share = static_cast<double>(differing) / (screen.width() * screen.height());
        // 0.7 % at hexagons of 26, 1.3 % at 14, 0.03 % at squares of 34 when written.
        EXPECT_LT(share, 0.02) << c.size << (c.hex ? " hex" : " square");
        EXPECT_EQ(inside, 0) << c.size << (c.hex ? " hex" : " square");
    }
}

} // namespace
} // namespace dered
