// The real windows over the demo game, driven as a user would drive them.
#include "forms/frmExportMap.h"
#include "map/Geometry.h"
#include "qt/DesktopProgram.h"
#include "qt/MapView.h"
#include "qt/QImageSurface.h"
#include "qt/QtTestSupport.h"
#include "qt/SummaryView.h"
#include "qt/WinQZView.h"

#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

#include <filesystem>
#include <fstream>
#include <memory>

namespace dered {
namespace {

namespace fs = std::filesystem;

constexpr int kColCommand = 7;
constexpr int kColParm1 = 8;
constexpr const char* kSettings = "[Positions]\nMapX=0\nMapY=0\nHexDisplay=0\nHexSize=5\n";

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

class Desktop : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path demo = fs::path(DERED_SOURCE_DIR) / "data/demo/1880-1/plyrdata.003";
        ASSERT_TRUE(fs::exists(demo));
        ASSERT_TRUE(fs::exists(fs::path(DERED_BINARY_DIR) / "map-hex.dat"));
        report_ = folder_.Path() / "plyrdata.003";
        fs::copy_file(demo, report_);
        // Small square cells: the whole map fits the screenless platform's small screen.
        settings_ = folder_.Path() / "der-ed.ini";
        std::ofstream(settings_) << kSettings;
    }
    void TearDown() override {
        desktop_.reset();
        qttest::Settle();
    }

    void Start(const std::string& commandLine) {
        desktop_ = std::make_unique<DesktopProgram>(
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), commandLine, {}},
            (folder_.Path() / "der-ed.ini").string());
        desktop_->Start();
        qttest::Settle();
    }
    void StartWithDemo() { Start(report_.string()); }

    Program& program() { return desktop_->program; }
    GameState& game() { return program().records.game; }
    template <typename View> View* ViewOf(Form& form) {
        return dynamic_cast<View*>(desktop_->platform.ViewOf(form));
    }
    WinQZView& Main() { return *ViewOf<WinQZView>(program().winQZ); }
    QAction& MenuAction(const char* name) {
        return *Main().findChild<QAction*>(QString::fromLatin1(name));
    }

    std::optional<QPoint> PointOf(int16_t area) { return qttest::VisiblePointOf(program(), area); }

    QString GridText(int area, int col) { return CellText(Main().AreaGrid(), area - 1, col); }

    qttest::TempFolder folder_;
    qttest::ModalWatcher watcher_;
    fs::path report_;
    fs::path settings_;
    std::unique_ptr<DesktopProgram> desktop_;
};

TEST_F(Desktop, StartsWithTheReportOnTheCommandLine) {
    StartWithDemo();
    WinQZView& main = Main();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle().toStdString(), program().winQZ.caption.Text());
    EXPECT_NE(main.windowTitle(), "Roz-OD2 V2.06 32-bit");

    // The menu as the form gives it.
    const QList<QAction*> menus = main.menuBar()->actions();
    ASSERT_EQ(menus.size(), 7);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[6]->text(), "&Help");
    EXPECT_EQ(MenuAction("mnuSave").text(), "&Save ");
    EXPECT_TRUE(MenuAction("mnuOpen").isEnabled()); // the command line leaves it enabled

    // Headings over the grid, every area row as the form wrote it.
    EXPECT_EQ(HeadingText(main.AreaTitleGrid(), 0), "Area");
    EXPECT_EQ(HeadingText(main.AreaTitleGrid(), 1), "Unit");
    EXPECT_EQ(HeadingText(main.AreaGrid(), 1), "Area Name");
    ASSERT_EQ(main.AreaGrid().model()->rowCount(), MaxArea);
    for (int area = 1; area <= MaxArea; ++area) {
        for (int col = 0; col < 10; ++col) {
            ASSERT_EQ(GridText(area, col).toStdString(), program().winQZ.grdArea.TextAt(area, col))
                << area << "," << col;
        }
    }
    EXPECT_EQ(GridText(7, 1).toStdString(), game().Areas[7].Name);
    // The title grid spans the area grid with its scroll bar.
    EXPECT_GE(main.AreaTitleGrid().width(), main.AreaGrid().width());

    // Beside it, the summary with the player's figures; and the map.
    auto* summary = ViewOf<SummaryView>(program().summary);
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(CellText(summary->Grid(), 3, 0), "Squadrons");
    EXPECT_EQ(CellText(summary->Grid(), 6, 1).toInt(), game().Summary.MaxSupply);
    EXPECT_GT(game().Summary.MaxSupply, 0);
    // At the top, right of the main window's title; on this 800-pixel screen it covers the
    // main window's right edge rather than run off the screen.
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_TRUE(qttest::WaitUntil([&] {
        const QRect frame = summary->frameGeometry();
        return frame.top() == screen.top() && frame.right() <= screen.right() &&
               frame.left() >= main.frameGeometry().left() + 300;
    })) << summary->x()
        << " " << main.frameGeometry().right();
    auto* map = ViewOf<MapView>(program().map);
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(map->windowTitle(), "Map");

    // The only message of the start is the missing orders file.
    ASSERT_EQ(watcher_.messages.size(), 1u);
    EXPECT_EQ(watcher_.messages[0].text, "No old orders to read in");
}

// The platform's keys, shown in the menus, and a tooltip on every order button.
TEST_F(Desktop, MenuItemsCarryTheirKeysAndOrderButtonsTheirTooltips) {
    StartWithDemo();
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"mnuOrders", QKeySequence(Qt::Key_F1)},
        {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"mnuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"mnuOrdersOverview", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"mnuGoTo", QKeySequence(Qt::CTRL | Qt::Key_G)},
    };
    for (const auto& [name, key] : keys) {
        EXPECT_EQ(MenuAction(name).shortcut(), key) << name;
    }
    MapView& map = *ViewOf<MapView>(program().map);
    for (int i = 0; i < static_cast<int>(program().map.optCommand.Captions().size()); ++i) {
        EXPECT_TRUE(map.OptionButton(i).toolTip().startsWith(map.OptionButton(i).text() + ": "))
            << i;
    }
}

// Run again by ctest on screens of 1024x700, 1600x1000 and 3840x2160, and at a scale of 2.
TEST_F(Desktop, ThreeWindowsFitTheScreenWithTheirTitlesClear) {
    StartWithDemo();
    QWidget& main = Main();
    QWidget* summary = desktop_->platform.WidgetOf(program().summary);
    QWidget* map = desktop_->platform.WidgetOf(program().map);
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
}

TEST_F(Desktop, MenuStatesFollowAReportOpenedThroughTheDialog) {
    Start("");
    EXPECT_EQ(ViewOf<MapView>(program().map), nullptr);
    EXPECT_TRUE(MenuAction("mnuOpen").isEnabled());
    EXPECT_EQ(CellText(Main().AreaGrid(), 6, 1), "");

    watcher_.filePaths.push_back(report_.string());
    MenuAction("mnuOpen").trigger();
    qttest::Settle();
    EXPECT_FALSE(MenuAction("mnuOpen").isEnabled());
    EXPECT_EQ(MenuAction("mnuVictoryConditions").isEnabled(),
              program().winQZ.mnuVictoryConditions.Enabled());
    EXPECT_EQ(Main().windowTitle().toStdString(), program().winQZ.caption.Text());
    EXPECT_EQ(GridText(7, 1).toStdString(), game().Areas[7].Name);
    ASSERT_NE(ViewOf<MapView>(program().map), nullptr);
    EXPECT_TRUE(ViewOf<MapView>(program().map)->isVisible());
}

TEST_F(Desktop, DoubleClickAndClickOnTheMapEnterAMove) {
    StartWithDemo();
    MapView& map = *ViewOf<MapView>(program().map);
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
    watcher_.messages.clear();

    qttest::DoubleClick(map, *PointOf(from));
    EXPECT_EQ(game().PendingCommand, MapCommand::Move);
    EXPECT_EQ(game().SelectedArea, from);
    // The double click's first click scrolled the grid to the area.
    EXPECT_EQ(program().winQZ.grdArea.TopRow(), from);

    qttest::Click(map, *PointOf(to));
    EXPECT_EQ(game().PendingCommand, MapCommand::None);
    EXPECT_EQ(GridText(from, kColCommand), "MO");
    EXPECT_EQ(GridText(from, kColParm1).trimmed().toInt(), to);
    for (const auto& message : watcher_.messages) {
        EXPECT_EQ(message.text.rfind("Warning", 0), 0u) << message.text;
    }
}

TEST_F(Desktop, SummaryFollowsABuild) {
    StartWithDemo();
    MapView& map = *ViewOf<MapView>(program().map);
    int16_t site = 0;
    for (int16_t a = 1; a <= MaxArea && site == 0; ++a) {
        const AreaRecord& area = game().Areas[a];
        if (area.Owner == game().OwnPlayer && area.UnitKind == 0 && area.Supply >= 1 &&
            area.Command.empty() && PointOf(a)) {
            site = a;
        }
    }
    ASSERT_NE(site, 0) << "no own empty supply centre in sight";
    const int freeBefore = game().Summary.FreeSupply;
    ASSERT_GE(freeBefore, 1);
    map.OptionButton(7).click(); // "AC": a corps costs 1
    EXPECT_EQ(program().map.optCommand.Chosen(), 7);
    qttest::DoubleClick(map, *PointOf(site));
    EXPECT_EQ(GridText(site, kColCommand), "AC");
    auto* summary = ViewOf<SummaryView>(program().summary);
    EXPECT_EQ(CellText(summary->Grid(), 7, 1).toInt(), freeBefore - 1);
}

TEST_F(Desktop, RightDragMovesTheMap) {
    StartWithDemo();
    MapView& map = *ViewOf<MapView>(program().map);
    const auto* view = dynamic_cast<const QImageSurface*>(program().map.picView());
    ASSERT_NE(view, nullptr);
    program().records.settings.MapX = 0;
    program().map.RefreshView();
    const QImage before = view->Image().copy();
    const int mapWidth = WrapOffset(program().map.Geometry());

    const QPoint start(200, 150);
    const QPoint end(300, 150);
    qttest::SendMouse(map, QEvent::MouseButtonPress, start, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(map.windowTitle(), "Map - Drag Mode");
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    qttest::SendMouse(map, QEvent::MouseMove, end, Qt::NoButton, Qt::RightButton);
    qttest::SendMouse(map, QEvent::MouseButtonRelease, end, Qt::RightButton, Qt::NoButton);

    EXPECT_EQ(program().records.settings.MapX, 100 - mapWidth);
    EXPECT_EQ(map.windowTitle(), "Map");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The view shows the map moved, and the window paints what the view holds.
    // (Pixels of the images, twice as many each way at a scale of 2.)
    const int k = view->Scale();
    EXPECT_EQ(view->Image().pixel(250 * k, 200 * k), before.pixel(150 * k, 200 * k));
    qttest::Settle();
    EXPECT_EQ(map.grab().toImage().pixel(250 * k, 200 * k), view->Image().pixel(250 * k, 200 * k));
    // A right click is no click for the orders.
    EXPECT_EQ(game().PendingCommand, MapCommand::None);
}

TEST_F(Desktop, ResizingTheMapWindowRefitsTheViewAndBackAgain) {
    StartWithDemo();
    MapView& map = *ViewOf<MapView>(program().map);
    const QSize shown = map.size();
    ASSERT_EQ(program().map.ViewWidth(), std::min(shown.width(), program().map.picMap()->Width()));
    map.resize(shown.width() - 60, shown.height() - 40);
    qttest::Settle();
    EXPECT_EQ(program().map.ViewWidth(), map.width());
    map.resize(shown);
    qttest::Settle();
    EXPECT_EQ(program().map.ViewWidth(), std::min(shown.width(), program().map.picMap()->Width()));
    EXPECT_EQ(program().map.picView()->Width(), program().map.ViewWidth());
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
    QWidget* about = desktop_->platform.WidgetOf(program().about);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "Roz-OD2 32bit");
    EXPECT_EQ(about->findChild<QLabel*>("Label1(0)")->text(), " V2.06");
    EXPECT_EQ(about->findChild<QLabel*>("Label1(1)")->text(), "1999-Feb-25");

    // The close box is Exit: the program ends with every window, and the settings are saved.
    main.close();
    qttest::Settle();
    EXPECT_TRUE(desktop_->platform.Ended());
    EXPECT_FALSE(program().map.IsLoaded());
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(about->isVisible());
    EXPECT_NE(ReadFile(settings_), kSettings);
    EXPECT_NE(ReadFile(settings_).find("[Positions]"), std::string::npos);
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
    watcher_.messages.clear();
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
    EXPECT_EQ(watcher_.messages[0].text.rfind("Can't export the map to ", 0), 0u);
    EXPECT_NE(watcher_.messages[0].text.find("could not be written"), std::string::npos);
}

TEST_F(Desktop, AFormWithoutAViewOfItsOwnGetsAPlainWindowThatClosesIt) {
    Start("");
    frmPlain plain;
    program().forms.Show(plain, Modality::Modeless);
    QWidget* window = desktop_->platform.WidgetOf(plain);
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

TEST_F(Desktop, ExitSavesTheSettingsAndEndsTheProgram) {
    StartWithDemo();
    MenuAction("mnuExit").trigger();
    EXPECT_TRUE(desktop_->platform.Ended());
    EXPECT_FALSE(Main().isVisible());
    EXPECT_NE(ReadFile(settings_), kSettings);
    EXPECT_NE(ReadFile(settings_).find("HexSize=5"), std::string::npos);
}

} // namespace
} // namespace dered
