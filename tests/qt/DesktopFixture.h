#pragma once

// The real program over a copy of a demo report, for the tests of its windows.
#include "map/Geometry.h"
#include "qt/DesktopProgram.h"
#include "qt/MapView.h"
#include "qt/QtTestSupport.h"
#include "qt/WinQZView.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace dered::qttest {

namespace fs = std::filesystem;

inline constexpr int16_t kAlly = 5; // BRIM in 1880: allied both ways with the player, ESK
// Small square cells: the whole map fits the screenless platform's small screen.
inline constexpr const char* kSettings = "[Positions]\nMapX=0\nMapY=0\nHexDisplay=0\nHexSize=5\n";

class DesktopFixture : public ::testing::Test {
  protected:
    void TearDown() override {
        desktop_.reset();
        Settle();
    }

    // Starts the program, again if need be, with a copy of the demo report, given on its
    // command line or not.
    void StartWith(const char* demoReport, bool onCommandLine = true) {
        TearDown();
        const fs::path demo = fs::path(DERED_SOURCE_DIR) / "data/demo" / demoReport;
        ASSERT_TRUE(fs::exists(demo));
        report_ = folder_.Path() / demo.filename();
        fs::copy_file(demo, report_, fs::copy_options::overwrite_existing);
        std::ofstream(SettingsPath()) << kSettings;
        desktop_ = std::make_unique<DesktopProgram>(
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), onCommandLine ? report_.string() : "", {}},
            SettingsPaths{SettingsPath().string(), {}});
        desktop_->Start();
        Settle();
        watcher_.messages.clear();
    }
    fs::path SettingsPath() const { return folder_.Path() / "der-ed.ini"; }

    Program& program() { return desktop_->program; }
    GameState& game() { return program().records.documents.Shown().records; }
    QWidget* WindowOf(Form& form) { return desktop_->platform.WidgetOf(form); }
    template <typename View> View* ViewOf(Form& form) {
        return dynamic_cast<View*>(desktop_->platform.ViewOf(form));
    }
    WinQZView& Main() { return *ViewOf<WinQZView>(program().winQZ); }
    MapView& Map() { return *ViewOf<MapView>(program().map); }
    QAction& MenuAction(const char* name) {
        return *Main().findChild<QAction*>(QString::fromLatin1(name));
    }

    // Chooses the menu item as a user would, and gives back the window it opened.
    QWidget* Open(const char* menuItem, Form& form) {
        MenuAction(menuItem).trigger();
        Settle();
        QWidget* window = WindowOf(form);
        EXPECT_NE(window, nullptr) << menuItem;
        EXPECT_TRUE(window == nullptr || window->isVisible()) << menuItem;
        return window;
    }

    void CloseWindow(QWidget* window) {
        window->close();
        Settle();
    }

    // The view point of an area's anchor cell, when it shows clear of the option buttons.
    std::optional<QPoint> PointOf(int16_t area) {
        const frmMap& map = program().map;
        const auto& records = program().records;
        const auto cell =
            AreaAnchor(records.documents.Shown().records.Areas[area], area, records.hexMap);
        if (!cell) {
            return std::nullopt;
        }
        const auto [x, y] = CellCentre(map.canvas.Geometry(), records.settings, *cell);
        const QPoint point(static_cast<int>(x), static_cast<int>(y));
        const bool inView = point.x() > 2 && point.y() > 40 &&
                            point.x() < map.canvas.ViewWidth() - 2 &&
                            point.y() < map.canvas.ViewHeight() - 2;
        if (!inView ||
            AreaAtPoint(map.canvas.Geometry(), records.settings, records.hexMap, x, y) != area) {
            return std::nullopt;
        }
        return point;
    }

    // Areas in sight on the map: the player's own ones, or anybody's.
    std::vector<int16_t> AreasInSight(bool ownOnly) {
        std::vector<int16_t> areas;
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if ((!ownOnly || game().Areas[a].Owner == game().OwnPlayer) && PointOf(a)) {
                areas.push_back(a);
            }
        }
        return areas;
    }

    void ClickOnMap(int16_t area) { Click(Map(), *PointOf(area)); }

    TempFolder folder_;
    ModalWatcher watcher_;
    fs::path report_;
    std::unique_ptr<DesktopProgram> desktop_;
};

template <typename W> W& Child(QWidget* window, const char* name) {
    auto* child = window->findChild<W*>(QString::fromLatin1(name));
    if (child == nullptr) {
        ADD_FAILURE() << "no " << name;
        throw std::runtime_error(name);
    }
    return *child;
}

// The centre of a list's line or a table's cell.
template <typename View, typename... At> QPoint CentreOf(View& view, At... at) {
    return view.visualItemRect(view.item(at...)).center();
}

} // namespace dered::qttest
