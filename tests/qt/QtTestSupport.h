#pragma once

#include "ui/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dered::qttest {

// Answers the program's modal dialogs while a test drives it: message boxes are noted and
// closed with OK, file dialogs take the next queued path (none: cancelled), the colour chooser
// notes the colour it started from and takes the one queued (none: cancelled).
class ModalWatcher {
  public:
    ModalWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }

    std::vector<std::string> messages;
    std::deque<std::optional<std::string>> filePaths;
    std::vector<std::string> dialogFolders; // where each file dialog opened
    std::optional<QColor> colour;
    std::vector<QColor> coloursStarted;

  private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialogFolders.push_back(dialog->directory().absolutePath().toStdString());
            std::optional<std::string> path;
            if (!filePaths.empty()) {
                path = filePaths.front();
                filePaths.pop_front();
            }
            if (path) {
                dialog->selectFile(QString::fromStdString(*path));
                static_cast<QDialog*>(dialog)->accept(); // the public one
            } else {
                dialog->reject();
            }
        } else if (auto* chooser = qobject_cast<QColorDialog*>(modal)) {
            coloursStarted.push_back(chooser->currentColor());
            if (colour) {
                chooser->setCurrentColor(*colour);
                chooser->accept();
            } else {
                chooser->reject();
            }
        }
    }
    QTimer timer_;
};

// A folder of its own for each test, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("dered_qt_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held, modifiers);
    QApplication::sendEvent(&widget, &event);
}

// A key pressed with the widget focused: what it leaves goes on to its parents.
inline void SendKey(QWidget* widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// What the window system sends for a click, and for a double click.
inline void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, at, button, button);
    SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

inline void DoubleClick(QWidget& widget, QPoint at) {
    Click(widget, at);
    SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Runs what is pending, deleted windows included.
inline void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Lets events run until the condition holds or the time is up; returns the condition.
template <typename Condition> bool WaitUntil(Condition condition, int milliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return condition();
}

} // namespace dered::qttest
