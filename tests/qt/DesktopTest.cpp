// The real windows over the demo game, driven as a user would drive them.
#include "DesktopFixture.h"
#include "forms/frmExportMap.h"
#include "qt/QImageSurface.h"
#include "qt/SummaryView.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>
#include <fstream>

namespace dered {
namespace {

namespace fs = std::filesystem;
using qttest::kSettings;

constexpr int kColCommand = 7;
constexpr int kColParm1 = 8;
constexpr const char* kDemo = "1880-1/plyrdata.003";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString CellText(const QTableView& table, int row, int col) {
    return table.model()->index(row, col).data().toString();
}

QString HeadingText(const QTableView& table, int col) {
    return table.model()->headerData(col, Qt::Horizontal).toString();
}

class Desktop : public qttest::DesktopFixture {
  protected:
    void StartWithDemo() { StartWith(kDemo); }
    QString GridText(int area, int col) { return CellText(Main().AreaGrid(), area - 1, col); }
};

TEST_F(Desktop, StartsWithTheReportOnTheCommandLine) {
    StartWithDemo();
    WinQZView& main = Main();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle().toStdString(), program().winQZ.caption.Text());
    const QList<QAction*> menus = main.menuBar()->actions();
    ASSERT_EQ(menus.size(), 7);

    // The headings over the grid, and its rows.
    EXPECT_EQ(HeadingText(main.AreaTitleGrid(), 0), "Area");
    ASSERT_EQ(main.AreaGrid().model()->rowCount(), MaxArea);
    EXPECT_EQ(GridText(7, 1).toStdString(), program().winQZ.grdArea.TextAt(7, 1));
    // The title grid spans the area grid with its scroll bar.
    EXPECT_GE(main.AreaTitleGrid().width(), main.AreaGrid().width());

    // Beside it, the summary; and the map.
    auto* summary = ViewOf<SummaryView>(program().summary);
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    // At the top, right of the main window's title; on this 800-pixel screen it covers the
    // main window's right edge rather than run off the screen.
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_TRUE(qttest::WaitUntil([&] {
        const QRect frame = summary->frameGeometry();
        return frame.top() == screen.top() && frame.right() <= screen.right() &&
               frame.left() >= main.frameGeometry().left() + 300;
    })) << summary->x()
        << " " << main.frameGeometry().right();
    const auto* map = ViewOf<MapView>(program().map);
    EXPECT_TRUE(map != nullptr && map->isVisible());
}

// The form's keys and the platform's own, shown in the menus.
TEST_F(Desktop, MenuItemsCarryTheirKeys) {
    StartWithDemo();
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuOrders", QKeySequence(Qt::Key_F1)},
        {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"mnuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"mnuOrdersOverview", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"mnuGoTo", QKeySequence(Qt::CTRL | Qt::Key_G)},
    };
    for (const auto& [name, key] : keys) {
        EXPECT_EQ(MenuAction(name).shortcut(), key) << name;
    }
}

// Run again by ctest on screens of 1024x700, 1600x1000 and 3840x2160, and 1600x1000 and
// 1920x1080 at a scale of 2.
TEST_F(Desktop, ThreeWindowsFitTheScreenWithTheirTitlesClear) {
    StartWithDemo();
    QWidget& main = Main();
    QWidget* summary = WindowOf(program().summary);
    QWidget* map = WindowOf(program().map);
    ASSERT_NE(summary, nullptr);
    ASSERT_NE(map, nullptr);
    qttest::Settle();
    const QRect screen = main.screen()->availableGeometry();
    const auto title = [](const QWidget* w) {
        const QRect frame = w->frameGeometry();
        return QRect(frame.left(), frame.top(), std::min(frame.width(), 200),
                     w->geometry().top() - frame.top() + 20);
    };
    for (const QWidget* w : {static_cast<QWidget*>(&main), summary, map}) {
        EXPECT_TRUE(screen.contains(w->frameGeometry()))
            << w->objectName().toStdString() << " " << w->frameGeometry().width() << "x"
            << w->frameGeometry().height() << " on " << screen.width() << "x" << screen.height();
    }
    EXPECT_FALSE(summary->frameGeometry().intersects(title(&main)));
    EXPECT_FALSE(map->frameGeometry().intersects(title(&main)));
    EXPECT_FALSE(map->frameGeometry().intersects(title(summary)));

    // Nothing covers the map's option buttons and search field: neither the two other main
    // windows nor any window opened later. Every window fits the screen; Esc closes the
    // windows that are not modal.
    const WindowRect toolsRect = Map().ToolsRect();
    const QRect tools(toolsRect.x, toolsRect.y, toolsRect.width, toolsRect.height);
    EXPECT_TRUE(screen.contains(tools));
    EXPECT_FALSE(main.frameGeometry().intersects(tools));
    EXPECT_FALSE(summary->frameGeometry().intersects(tools));
    Program& p = program();
    const std::pair<const char*, Form*> windows[] = {{"mnuTurns", &p.turns},
                                                     {"mnuOrdersOverview", &p.overview},
                                                     {"mnuLegend", &p.legend},
                                                     {"mnuOrders", &p.orders},
                                                     {"mnuAbout", &p.about},
                                                     {"mnuExportMap", &p.exportMap},
                                                     {"mnuANW", &p.anw},
                                                     {"mnuGrantAccess", &p.grantAccess},
                                                     {"mnuSpy", &p.spy},
                                                     {"mnuRelations", &p.relations},
                                                     {"mnuYourAreas", &p.yourAreas},
                                                     {"mnuMapColors", &p.mapOptions},
                                                     {"mnuZoom", &p.zoom},
                                                     {"mnuVictoryConditions", &p.victory}};
    for (const auto& [item, form] : windows) {
        QPointer<QWidget> window = Open(item, *form);
        if (window == nullptr) {
            continue;
        }
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(screen.contains(frame))
            << item << " " << frame.width() << "x" << frame.height();
        EXPECT_FALSE(frame.intersects(tools)) << item;
        if (window->windowModality() == Qt::NonModal) {
            qttest::SendKey(window, Qt::Key_Escape);
            qttest::Settle();
            EXPECT_TRUE(window == nullptr || !window->isVisible()) << item;
        } else {
            CloseWindow(window);
        }
    }
}

TEST_F(Desktop, AReportOpenedThroughTheDialogBringsTheMapWindow) {
    StartWith(kDemo, false);
    EXPECT_EQ(ViewOf<MapView>(program().map), nullptr);
    watcher_.filePaths.push_back(report_.string());
    MenuAction("mnuOpen").trigger();
    qttest::Settle();
    ASSERT_NE(ViewOf<MapView>(program().map), nullptr);
    EXPECT_TRUE(ViewOf<MapView>(program().map)->isVisible());
}

// The reach shown on the map is the menu's other tick, set by the program, not by the click.
TEST_F(Desktop, ViewReachTicksWhileTheReachIsShown) {
    StartWithDemo();
    QAction& reach = MenuAction("mnuReach");
    ASSERT_TRUE(reach.isCheckable());
    reach.trigger();
    EXPECT_TRUE(reach.isChecked());
    EXPECT_TRUE(program().map.canvas.ReachShown());
    reach.trigger();
    EXPECT_FALSE(reach.isChecked());
    EXPECT_FALSE(program().map.canvas.ReachShown());
}

TEST_F(Desktop, DoubleClickAndClickOnTheMapEnterAMove) {
    StartWithDemo();
    MapView& map = Map();
    // The map opens where the settings put it; Home brings the own armies into sight.
    MenuAction("mnuMyAreas").trigger();
    qttest::Settle();
    // An own army with a land neighbour, both in sight.
    int16_t from = 0;
    int16_t to = 0;
    for (int16_t a = 1; a <= MaxArea && to == 0; ++a) {
        const AreaRecord& area = game().Areas[a];
        if (area.UnitKind != 1 || area.UnitOwner != game().OwnPlayer || !PointOf(a)) {
            continue;
        }
        for (int16_t n : area.Neighbour) {
            if (n > 0 && game().Areas[n].Terrain != 3 && game().Areas[n].Terrain != 4 &&
                PointOf(n)) {
                from = a;
                to = n;
                break;
            }
        }
    }
    ASSERT_NE(to, 0) << "no own army with a land neighbour in sight";
    EXPECT_TRUE(map.OptionButton(0).isChecked()); // "MO"

    qttest::DoubleClick(map, *PointOf(from));
    EXPECT_EQ(game().PendingCommand, MapCommand::Move);
    EXPECT_EQ(game().SelectedArea, from);

    qttest::Click(map, *PointOf(to));
    EXPECT_EQ(GridText(from, kColCommand), "MO");
    EXPECT_EQ(GridText(from, kColParm1).trimmed().toInt(), to);

    // The menu's keys work with the map window focused.
    map.activateWindow();
    ASSERT_TRUE(qttest::WaitUntil([&] { return QApplication::activeWindow() == &map; }));
    QTest::keyClick(&map, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(GridText(from, kColCommand).trimmed(), "");
}

// The wheel zooms at once, one step of the zoom window a notch, keeping the cell under the
// pointer; Ctrl+- steps back about the view's centre; the zoom window's limits hold.
TEST_F(Desktop, WheelZoomKeepsTheCellUnderThePointer) {
    StartWithDemo();
    MapView& map = Map();
    frmMap& form = program().map;
    const SettingsRecord& settings = program().records.settings;
    form.ZoomTo(20); // a map taller than the view, so that nothing is clamped
    const auto wheel = [&](QPoint at, int notches) {
        QWheelEvent event(QPointF(at), QPointF(map.mapToGlobal(at)), QPoint(),
                          QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&map, &event);
    };
    const auto cellAt = [&](QPoint at) {
        return CellAtPoint(form.canvas.Geometry(), settings, static_cast<float>(at.x()),
                           static_cast<float>(at.y()));
    };
    const std::vector<int16_t> inSight = AreasInSight(false);
    ASSERT_FALSE(inSight.empty());
    const QPoint at = *PointOf(inSight[inSight.size() / 3]);
    const CellRef cell = cellAt(at);
    wheel(at, 2);
    EXPECT_EQ(settings.CellSize, 22);
    EXPECT_EQ(cellAt(at), cell);
    wheel(at, -1);
    EXPECT_EQ(settings.CellSize, 21);
    EXPECT_EQ(cellAt(at), cell);

    const QPoint centre(form.canvas.ViewWidth() / 2, form.canvas.ViewHeight() / 2);
    const CellRef middle = cellAt(centre);
    QTest::keyClick(&map, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(settings.CellSize, 20);
    EXPECT_EQ(cellAt(centre), middle);
    wheel(at, 40);
    EXPECT_EQ(settings.CellSize, MaxSquareCellSize);
}

TEST_F(Desktop, RightDragMovesTheMap) {
    StartWithDemo();
    MapView& map = Map();
    const auto* view = dynamic_cast<const QImageSurface*>(program().map.canvas.picView());
    ASSERT_NE(view, nullptr);
    program().records.settings.MapX = 0;
    program().map.canvas.RefreshView();
    const QImage before = view->Image().copy();
    const int mapWidth = WrapOffset(program().map.canvas.Geometry());

    const QPoint start(200, 150);
    const QPoint end(300, 150);
    qttest::SendMouse(map, QEvent::MouseButtonPress, start, Qt::RightButton, Qt::RightButton);
    qttest::SendMouse(map, QEvent::MouseMove, end, Qt::NoButton, Qt::RightButton);
    qttest::SendMouse(map, QEvent::MouseButtonRelease, end, Qt::RightButton, Qt::NoButton);

    EXPECT_EQ(program().records.settings.MapX, 100 - mapWidth);
    // The view shows the map moved, and the window paints what the view holds.
    // (Pixels of the images, twice as many each way at a scale of 2.)
    const int k = view->Scale();
    EXPECT_EQ(view->Image().pixel(250 * k, 200 * k), before.pixel(150 * k, 200 * k));
    qttest::Settle();
    EXPECT_EQ(map.grab().toImage().pixel(250 * k, 200 * k), view->Image().pixel(250 * k, 200 * k));
}

TEST_F(Desktop, ResizingTheMapWindowRefitsTheViewAndBackAgain) {
    StartWithDemo();
    MapView& map = Map();
    const QSize shown = map.size();
    ASSERT_EQ(program().map.canvas.ViewWidth(),
              std::min(shown.width(), program().map.canvas.picMap()->Width()));
    map.resize(shown.width() - 60, shown.height() - 40);
    qttest::Settle();
    EXPECT_EQ(program().map.canvas.ViewWidth(), map.width());
    map.resize(shown);
    qttest::Settle();
    EXPECT_EQ(program().map.canvas.ViewWidth(),
              std::min(shown.width(), program().map.canvas.picMap()->Width()));
}

TEST_F(Desktop, MinimisingTheMainWindowHidesTheOthersAndItsCloseBoxIsExit) {
    StartWithDemo();
    WinQZView& main = Main();
    main.showMinimized();
    qttest::Settle();
    EXPECT_FALSE(ViewOf<SummaryView>(program().summary)->isVisible());
    EXPECT_FALSE(ViewOf<MapView>(program().map)->isVisible());
    main.showNormal();
    qttest::Settle();
    EXPECT_TRUE(ViewOf<SummaryView>(program().summary)->isVisible());
    EXPECT_TRUE(ViewOf<MapView>(program().map)->isVisible());

    MenuAction("mnuAbout").trigger();
    QWidget* about = WindowOf(program().about);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Roz-OD2 32bit");
    EXPECT_EQ(about->findChild<QLabel*>("Label1(0)")->text(), " V2.06");

    // The close box is Exit: the program ends with every window, and the settings are saved.
    main.close();
    qttest::Settle();
    EXPECT_TRUE(desktop_->platform.Ended());
    EXPECT_EQ(WindowOf(program().map), nullptr);
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(about->isVisible());
    EXPECT_NE(ReadFile(SettingsPath()), kSettings);
    EXPECT_NE(ReadFile(SettingsPath()).find("HexSize=5"), std::string::npos);
}

// A form that no view knows.
class frmPlain : public Form {
  public:
    frmPlain() : Form("frmPlain", "Plain") {
        AddControl("lblNote", &lblNote);
        AddControl("txtArea", &txtArea);
        AddControl("cmdGo", &cmdGo);
        cmdGo.onClick = [this] { ++clicks; };
    }
    void Form_Unload() override { unloaded = true; }

    TextModel lblNote{"Note"};
    TextBoxModel txtArea;
    ButtonModel cmdGo{"Go"};
    int clicks = 0;
    bool unloaded = false;
};

// PNG and PDF are written by the desktop; a file that cannot be written is said, not passed
// over as a success.
TEST_F(Desktop, TheMapIsExportedAsPngAndPdfAndAFailedWriteIsSaid) {
    StartWithDemo();
    frmExportMap& form = program().exportMap;
    const auto exportAs = [&](int format, const fs::path& path) {
        program().forms.Show(form, Modality::Modal);
        qttest::Settle();
        form.optFormat.Choose(format);
        watcher_.filePaths.push_back(path.string());
        form.cmdExport.Click();
        qttest::Settle();
    };
    const fs::path png = folder_.Path() / "map.png";
    exportAs(1, png);
    const QImage picture(QString::fromStdString(png.string()));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), MapColumns);
    const fs::path pdf = folder_.Path() / "map.pdf";
    exportAs(2, pdf);
    EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(watcher_.messages.empty());

    exportAs(2, folder_.Path() / "missing" / "map.pdf");
    ASSERT_EQ(watcher_.messages.size(), 1u);
    EXPECT_EQ(watcher_.messages[0].rfind("Can't export the map to ", 0), 0u);
    EXPECT_NE(watcher_.messages[0].find("could not be written"), std::string::npos);
}

TEST_F(Desktop, AFormWithoutAViewOfItsOwnGetsAPlainWindowThatClosesIt) {
    StartWith(kDemo, false);
    frmPlain plain;
    program().forms.Show(plain, Modality::Modeless);
    QWidget* window = WindowOf(plain);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Plain");
    EXPECT_EQ(window->findChild<QLabel*>("lblNote")->text(), "Note");
    auto* area = window->findChild<QLineEdit*>("txtArea");
    ASSERT_NE(area, nullptr);
    area->insert(" 12");
    EXPECT_EQ(plain.txtArea.Text(), " 12");
    window->findChild<QPushButton*>("cmdGo")->click();
    EXPECT_EQ(plain.clicks, 1);
    // Enter presses the first button, from the text box too; Esc closes the window.
    qttest::SendKey(area, Qt::Key_Return);
    EXPECT_EQ(plain.clicks, 2);
    qttest::SendKey(window, Qt::Key_Escape);
    qttest::Settle();
    EXPECT_TRUE(plain.unloaded);
    EXPECT_FALSE(plain.IsLoaded());
    EXPECT_EQ(desktop_->platform.ViewOf(plain), nullptr);
}

} // namespace
} // namespace dered
