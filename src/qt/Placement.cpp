#include "qt/Placement.h"

#include "qt/EventHook.h"
#include "ui/Form.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace dered {

namespace {
constexpr int kGuessedTitle = 32;
constexpr int kGuessedBorder = 4;
constexpr int kPlaceInterval = 50; // milliseconds
constexpr int kPlaceTries = 60;
} // namespace

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    if (window.isVisible() && frame != inner) {
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }
    return {kGuessedBorder, kGuessedTitle, kGuessedBorder, kGuessedBorder};
}

WindowRect OuterRect(const QWidget& window) {
    const QRect outer = window.geometry().marginsAdded(FrameMargins(window));
    return {outer.x(), outer.y(), outer.width(), outer.height()};
}

WindowRect AvailableScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {0, 0, 800, 600};
    }
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

void SetOuterRect(QWidget& window, const WindowRect& outer) {
    const QMargins frame = FrameMargins(window);
    const QRect inner = QRect(outer.x, outer.y, outer.width, outer.height).marginsRemoved(frame);
    // The inner rectangle: move() would place the frame's corner only once there is a frame.
    window.setGeometry(inner);
}

void FitOnScreenClearOf(QWidget& window, const std::optional<WindowRect>& keepClear) {
    // The sizes the window's layouts still have to measure decide how far it can shrink.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const WindowRect screen = AvailableScreen(window);
    const QMargins frame = FrameMargins(window);
    const QSize most(screen.width - frame.left() - frame.right(),
                     screen.height - frame.top() - frame.bottom());
    if (window.width() > most.width() || window.height() > most.height()) {
        window.resize(window.size().boundedTo(most));
    }
    const WindowRect outer = OuterRect(window);
    WindowRect placed =
        keepClear ? PlaceClearOf(screen, outer, *keepClear) : FitOnScreen(screen, outer);
    if (placed.width != outer.width || placed.height != outer.height) {
        window.resize(placed.width - frame.left() - frame.right(),
                      placed.height - frame.top() - frame.bottom());
        // A window that cannot shrink so far stays whole on the screen.
        const WindowRect resized = OuterRect(window);
        if (resized.width > placed.width || resized.height > placed.height) {
            placed = FitOnScreen(screen, {placed.x, placed.y, resized.width, resized.height});
        }
    }
    if (placed.x != outer.x || placed.y != outer.y) {
        window.move(window.pos() + QPoint(placed.x - outer.x, placed.y - outer.y));
    }
}

void KeepPlace(QWidget& window, Form& form) {
    new EventHook(window, &window, [&window, &form](const QEvent& event) {
        const auto type = event.type();
        if (window.isVisible() && !window.isMinimized() && !window.isMaximized() &&
            (type == QEvent::Move || type == QEvent::Resize)) {
            form.place = OuterRect(window);
        }
        return false;
    });
}

std::optional<WindowRect> RememberedPlace(const QWidget& window, const Form& form) {
    if (!form.place) {
        return std::nullopt;
    }
    return FitOnScreen(AvailableScreen(window), *form.place);
}

FramedPlacer::FramedPlacer(QWidget& window, Target target)
    : QObject(&window), window_(window), target_(std::move(target)) {
    timer_.setInterval(kPlaceInterval);
    connect(&timer_, &QTimer::timeout, this, [this] { Apply(); });
    window.installEventFilter(this);
}

bool FramedPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && !started_) {
        started_ = true;
        Apply();
        timer_.start();
    }
    return false;
}

// A placement made with the real frame is the last one needed.
void FramedPlacer::Apply() {
    const bool framed = window_.frameGeometry() != window_.geometry();
    if (const auto wanted = target_()) {
        SetOuterRect(window_, *wanted);
    }
    if (framed || ++tries_ >= kPlaceTries) {
        timer_.stop();
    }
}

} // namespace dered
