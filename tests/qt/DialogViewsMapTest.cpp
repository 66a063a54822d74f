// The map's dialogs opened from the real windows over the demo game: placement, pixels and
// the seams to the map, the forms' rules being tested headless.
#include "DesktopFixture.h"
#include "map/Pictures.h"
#include "qt/QImageSurface.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <string>

namespace dered {
namespace {

using DialogViews = qttest::DesktopFixture;

using qttest::Child;

QRect ToQt(const ControlRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

TEST_F(DialogViews, ModifiersOfTheRightButtonOpenTheHexEditorWhichOnlyHides) {
    StartWith("1880-1/plyrdata.003");
    const std::vector<int16_t> areas = AreasInSight(true);
    ASSERT_FALSE(areas.empty());
    const QPoint at = *PointOf(areas[0]);
    // Shift, Ctrl and Alt with the right button: the editor, not a drag.
    qttest::SendMouse(Map(), QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    qttest::SendMouse(Map(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton,
                      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    qttest::Settle();
    EXPECT_FALSE(program().map.Dragging());
    QWidget* window = WindowOf(program().editHex);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Child<QLineEdit>(window, "txtArea").text().toInt(), areas[0]);

    // The border boxes around the hexagon: N above S, NE and SE right of NW and SW.
    auto border = [window](int k) -> QCheckBox& {
        return Child<QCheckBox>(window, ("chkBorder(" + std::to_string(k) + ")").c_str());
    };
    EXPECT_LT(border(1).y(), border(4).y());
    EXPECT_GT(border(2).x(), border(6).x());
    EXPECT_EQ(border(1).text(), "N");
    EXPECT_GT(border(3).x(), border(5).x());
    const int before = program().editHex.chkBorder[0].Value();
    EXPECT_EQ(border(1).isChecked(), before != 0);
    border(1).click();
    EXPECT_EQ(program().editHex.chkBorder[0].Value(), before != 0 ? 0 : 1);

    // OK and the close box hide the window; the menu shows the same one again.
    Child<QPushButton>(window, "cmdOK").click();
    qttest::Settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Open("mnuEditHex", program().editHex), window);
    CloseWindow(window);
    EXPECT_EQ(WindowOf(program().editHex), window);
}

TEST_F(DialogViews, TheZoomBarSitsOverTheMap) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuZoom", program().zoom);
    EXPECT_EQ(window->windowTitle(), "Zoom map");
    EXPECT_EQ(window->pos(),
              Map().mapToGlobal(QPoint(frmZoom::placement.left, frmZoom::placement.top)));
    EXPECT_EQ(Child<QScrollBar>(window, "hsbZoom").orientation(), Qt::Horizontal);
}

TEST_F(DialogViews, ColourSwatchesOnTheirGridOpenTheChooser) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuMapColors", program().mapOptions);
    const frmMapOptions::Layout& layout = program().mapOptions.Positions();
    // The window is as high as the form says; the rows below stay out of sight.
    EXPECT_EQ(window->size(), QSize(layout.width, layout.height));
    EXPECT_EQ(Child<QFrame>(window, "picColour(6)").geometry(), ToQt(layout.picColour[6]));
    EXPECT_EQ(Child<QLabel>(window, "lblColour(6)").geometry(), ToQt(layout.lblColour[6]));
    EXPECT_EQ(Child<QLabel>(window, "lblArrow(1)").text(), "MO Arrow");

    // A click on the water swatch starts the chooser from the water colour.
    SettingsRecord& settings = program().records.settings;
    const int32_t water = settings.WaterColour;
    auto& swatch = Child<QFrame>(window, "picWater");
    EXPECT_EQ(swatch.palette().color(QPalette::Window), ColourToQt(water));
    watcher_.colour = QColor(10, 20, 30);
    qttest::Click(swatch, QPoint(4, 4));
    ASSERT_EQ(watcher_.coloursStarted.size(), 1u);
    EXPECT_EQ(watcher_.coloursStarted[0], ColourToQt(water));
    EXPECT_EQ(settings.WaterColour, 0x1E140A);
    EXPECT_EQ(swatch.palette().color(QPalette::Window), QColor(10, 20, 30));
    // A cancel leaves the colour.
    watcher_.colour.reset();
    qttest::Click(swatch, QPoint(4, 4));
    EXPECT_EQ(settings.WaterColour, 0x1E140A);
}

TEST_F(DialogViews, UnitPicturesAndSymbolsPixelForPixel) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuTypeofUnitDisplay", program().unitDisplay);
    const MapPictures pictures = MakeMapPictures();
    for (int i = 0; i < 4; ++i) {
        for (const auto& [name, picture] :
             {std::pair{QStringLiteral("picUnit(%1)").arg(i), &pictures.picUnit[i]},
              std::pair{QStringLiteral("picUnitSymbol(%1)").arg(i), &pictures.picUnit[i + 4]}}) {
            auto* box = window->findChild<QLabel*>(name);
            ASSERT_NE(box, nullptr) << name.toStdString();
            const QImage image = box->pixmap().toImage();
            ASSERT_EQ(image.width() % picture->width, 0);
            const int scale = image.width() / picture->width;
            EXPECT_EQ(image.height(), picture->height * scale);
            // Every pixel of the stored picture, scale times over.
            for (int y = 0; y < picture->height; ++y) {
                for (int x = 0; x < picture->width; ++x) {
                    ASSERT_EQ(image.pixelColor(x * scale, y * scale),
                              ColourToQt(picture->pixels[y * picture->width + x]))
                        << name.toStdString() << " " << x << "," << y;
                }
            }
        }
    }
    // The other kind closes the dialog, and its window goes.
    Child<QPushButton>(window, "cmdSymbol").click();
    qttest::Settle();
    EXPECT_EQ(WindowOf(program().unitDisplay), nullptr);
}

} // namespace
} // namespace dered
