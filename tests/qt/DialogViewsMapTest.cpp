// The map's dialogs opened from the real windows over the demo game.
#include "DialogViewsFixture.h"
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

using qttest::Child;
using qttest::DialogViews;
using qttest::TypeInto;

QRect ToQt(const ControlRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

TEST_F(DialogViews, TheHexEditorOpensOverTheCellAndStoresOnOk) {
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
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->windowTitle(), "Edit Hex");
    EXPECT_EQ(Child<QLineEdit>(window, "txtArea").text().toInt(), areas[0]);
    const int col = Child<QLabel>(window, "lblX").text().toInt();
    const int row = Child<QLabel>(window, "lblY").text().toInt();
    const HexCell before = program().records.hexMap.At(col, row);
    EXPECT_EQ(before.Area, areas[0]);

    // The border boxes around the hexagon: N above S, NE and SE right of NW and SW.
    auto border = [window](int k) -> QCheckBox& {
        return Child<QCheckBox>(window, ("chkBorder(" + std::to_string(k) + ")").c_str());
    };
    EXPECT_EQ(border(1).text(), "N");
    EXPECT_LT(border(1).y(), border(4).y());
    EXPECT_GT(border(2).x(), border(6).x());
    EXPECT_GT(border(3).x(), border(5).x());
    EXPECT_EQ(border(1).isChecked(), before.Border[0] != 0);

    auto& area = Child<QLineEdit>(window, "txtArea");
    area.selectAll();
    TypeInto(area, QStringLiteral("12.6"));
    border(1).click();
    Child<QCheckBox>(window, "chkDisplay(2)").click();
    Child<QPushButton>(window, "cmdOK").click();
    qttest::Settle();
    const HexCell& after = program().records.hexMap.At(col, row);
    EXPECT_EQ(after.Area, 13);
    EXPECT_EQ(after.Border[0], before.Border[0] != 0 ? 0 : 1);
    EXPECT_EQ(after.Display[2], before.Display[2] != 0 ? 0 : -1);
    // Hidden, not gone: the menu shows the same cell again.
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(program().editHex.IsLoaded());
    EXPECT_EQ(Open("mnuEditHex", program().editHex), window);
    EXPECT_EQ(Child<QLineEdit>(window, "txtArea").text(), "12.6");
    // The close box hides it too.
    CloseWindow(window);
    EXPECT_TRUE(program().editHex.IsLoaded());
    EXPECT_EQ(WindowOf(program().editHex), window);
}

TEST_F(DialogViews, TheZoomBarSitsOverTheMapAndAppliesAtClose) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuZoom", program().zoom);
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->windowTitle(), "Zoom map");
    EXPECT_EQ(window->pos(),
              Map().mapToGlobal(QPoint(frmZoom::placement.left, frmZoom::placement.top)));
    auto& bar = Child<QScrollBar>(window, "hsbZoom");
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.minimum(), MinCellSize);
    EXPECT_EQ(bar.maximum(), MaxSquareCellSize); // squares in these settings
    EXPECT_EQ(bar.value(), program().records.settings.CellSize);
    const int wanted = bar.value() + 4;
    bar.setValue(wanted);
    EXPECT_NE(program().records.settings.CellSize, wanted); // not before the close
    CloseWindow(window);
    EXPECT_EQ(program().records.settings.CellSize, wanted);
    EXPECT_FALSE(program().zoom.IsLoaded());
}

TEST_F(DialogViews, ColourSwatchesOnTheirGridOpenTheChooser) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuMapColors", program().mapOptions);
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->windowTitle(), "Map Options");
    const frmMapOptions::Layout& layout = program().mapOptions.Positions();
    // The window is as high as the form says; the rows below stay out of sight.
    EXPECT_EQ(window->size(), QSize(layout.width, layout.height));
    EXPECT_EQ(Child<QFrame>(window, "picColour(6)").geometry(), ToQt(layout.picColour[6]));
    EXPECT_EQ(Child<QLabel>(window, "lblColour(6)").geometry(), ToQt(layout.lblColour[6]));
    EXPECT_EQ(Child<QLabel>(window, "lblColour(0)").text(), "Neutral");
    EXPECT_EQ(Child<QLabel>(window, "lblColour(5)").text(), "BRIM");
    EXPECT_EQ(Child<QLabel>(window, "lblArrow(1)").text(), "MO Arrow");
    EXPECT_GT(layout.picColour[12].top, layout.height);

    // A click on the water swatch starts the chooser from the water colour.
    SettingsRecord& settings = program().records.settings;
    const int32_t water = settings.WaterColour;
    auto& swatch = Child<QFrame>(window, "picWater");
    EXPECT_EQ(swatch.palette().color(QPalette::Window), ColourToQt(water));
    colours_.answer = QColor(10, 20, 30);
    qttest::Click(swatch, QPoint(4, 4));
    ASSERT_EQ(colours_.started.size(), 1u);
    EXPECT_EQ(colours_.started[0], ColourToQt(water));
    EXPECT_EQ(settings.WaterColour, 0x1E140A);
    EXPECT_EQ(swatch.palette().color(QPalette::Window), QColor(10, 20, 30));
    // A cancel leaves the colour.
    colours_.answer.reset();
    qttest::Click(swatch, QPoint(4, 4));
    EXPECT_EQ(settings.WaterColour, 0x1E140A);
    CloseWindow(window);
    EXPECT_FALSE(program().mapOptions.IsLoaded());
}

TEST_F(DialogViews, UnitPicturesAndSymbolsAndTheChoiceBetweenThem) {
    StartWith("1880-1/plyrdata.003");
    QWidget* window = Open("mnuTypeofUnitDisplay", program().unitDisplay);
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(Child<QLabel>(window, "Label1").text(), "Army    Corps   Fleet   Squadron");
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
    // Pictures are shown already: the dialog stays.
    Child<QPushButton>(window, "cmdPicture").click();
    qttest::Settle();
    EXPECT_TRUE(program().unitDisplay.IsLoaded());
    Child<QPushButton>(window, "cmdSymbol").click();
    qttest::Settle();
    EXPECT_EQ(game().UnitDisplayMode, UnitSymbols);
    EXPECT_FALSE(program().unitDisplay.IsLoaded());
    EXPECT_EQ(WindowOf(program().unitDisplay), nullptr);
}

} // namespace
} // namespace dered
