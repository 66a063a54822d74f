#pragma once

// The real program over a demo game, for the tests of the dialogs' windows.
#include "map/Geometry.h"
#include "qt/DesktopProgram.h"
#include "qt/MapView.h"
#include "qt/QtTestSupport.h"
#include "qt/WinQZView.h"

#include <QAction>
#include <QColorDialog>
#include <QKeyEvent>
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

inline constexpr int16_t kAlly = 5;  // BRIM: allied both ways with the player, ESK
inline constexpr int16_t kEnemy = 6; // SAL

// Answers the colour chooser: the colour it started from is noted, and the queued answer
// chosen (none: cancelled).
class ColourWatcher {
  public:
    ColourWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    std::optional<QColor> answer;
    std::vector<QColor> started;

  private:
    void Answer() {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr) {
            return;
        }
        started.push_back(chooser->currentColor());
        if (answer) {
            chooser->setCurrentColor(*answer);
            chooser->accept();
        } else {
            chooser->reject();
        }
    }
    QTimer timer_;
};

class DialogViews : public ::testing::Test {
  protected:
    void TearDown() override {
        desktop_.reset();
        Settle();
    }

    // Starts the program with a demo report copied to a folder of the test's own.
    void StartWith(const char* demoReport) {
        const fs::path demo = fs::path(DERED_SOURCE_DIR) / "data/demo" / demoReport;
        ASSERT_TRUE(fs::exists(demo));
        const fs::path report = folder_.Path() / demo.filename();
        fs::copy_file(demo, report);
        // Small square cells: the whole map fits the screenless platform's small screen.
        std::ofstream(folder_.Path() / "der-ed.ini")
            << "[Positions]\nMapX=0\nMapY=0\nHexDisplay=0\nHexSize=5\n";
        desktop_ = std::make_unique<DesktopProgram>(
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), report, {}},
            (folder_.Path() / "der-ed.ini").string());
        desktop_->Start();
        Settle();
        watcher_.messages.clear();
    }

    Program& program() { return desktop_->program; }
    GameState& game() { return program().records.game; }
    QWidget* WindowOf(Form& form) { return desktop_->platform.WidgetOf(form); }

    // Chooses the menu item as a user would, and gives back the window it opened.
    QWidget* Open(const char* menuItem, Form& form) {
        auto* main = dynamic_cast<WinQZView*>(desktop_->platform.ViewOf(program().winQZ));
        main->findChild<QAction*>(QString::fromLatin1(menuItem))->trigger();
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

    std::optional<QPoint> PointOf(int16_t area) { return qttest::VisiblePointOf(program(), area); }

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

    MapView& Map() { return *dynamic_cast<MapView*>(desktop_->platform.ViewOf(program().map)); }
    void ClickOnMap(int16_t area) { Click(Map(), *PointOf(area)); }

    TempFolder folder_;
    ModalWatcher watcher_;
    ColourWatcher colours_;
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

inline QPoint CentreOf(QListWidget& list, int row) {
    return list.visualItemRect(list.item(row)).center();
}

inline QPoint CentreOf(QTableWidget& table, int row, int col) {
    return table.visualItemRect(table.item(row, col)).center();
}

inline int RowWithValue(QListWidget& list, int value) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toInt() == value) {
            return row;
        }
    }
    return -1;
}

inline void TypeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

} // namespace dered::qttest
