#include "qt/MapView.h"

#include "forms/frmMap.h"
#include "qt/Bindings.h"
#include "qt/MapFindBar.h"
#include "qt/Placement.h"
#include "qt/QImageSurface.h"
#include "qt/QtPlatform.h"
#include "ui/FormManager.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace dered {

namespace {

int16_t ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int16_t ButtonsCode(Qt::MouseButtons buttons) {
    int16_t code = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b) {
            code = static_cast<int16_t>(code | ButtonCode(b));
        }
    }
    return code;
}

int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                ((modifiers & Qt::AltModifier) ? 4 : 0));
}

float X(const QMouseEvent* event) {
    return static_cast<float>(event->position().x());
}

float Y(const QMouseEvent* event) {
    return static_cast<float>(event->position().y());
}

} // namespace

MapView::MapView(frmMap& form, const ViewContext& context, bool quitWhenShown)
    : FormWindow(form, context, EscKey::Passes), map_(form), context_(context),
      status_(new QStatusBar(this)), nextClick_(new QLabel), quitWhenShown_(quitWhenShown) {
    // Esc reaches the window without a click on it first.
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    frmMap& map = map_;
    for (size_t i = 0; i < map.optCommandRect.size(); ++i) {
        const ControlRect& rect = map.optCommandRect[i];
        // Option buttons drawn as buttons that stay down: the captions fit the narrow row.
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("%1(%2)").arg(ObjectName(map.optCommand)).arg(i));
        button->setGeometry(rect.left, rect.top, rect.width, rect.height);
        button->setFocusPolicy(Qt::NoFocus);
        buttons_.push_back(button);
    }
    bindings_.Add<OptionGroupBinding>(map.optCommand, buttons_);
    status_->setObjectName(QStringLiteral("stbMap"));
    status_->setSizeGripEnabled(false);
    nextClick_->setObjectName(ObjectName(map.stbNextClick));
    status_->addWidget(nextClick_, 1);
    bindings_.Add<CaptionBinding>(map.stbNextClick,
                                  [this](const QString& text) { nextClick_->setText(text); });
    findBar_ = &bindings_.Add<MapFindBar>(map, *this, bindings_);

    QPointer<MapView> self(this);
    if (auto* view = dynamic_cast<QImageSurface*>(map.canvas.picView())) {
        view->onChanged = [self](const QRect& changed) {
            if (self) {
                self->update(changed);
            }
        };
    }
    // The form fitted its view to this size when it loaded.
    formSize_ = QSize(map.canvas.WindowWidth(), map.canvas.WindowHeight());
    resize(formSize_.width(), formSize_.height() + status_->sizeHint().height());
    KeepPlace(*this, map);
    new FramedPlacer(*this, [this] { return BesideWindows(); });
    // The map, not the search field, has the keys when the window first comes up, so that
    // Home and Esc work at once.
    setFocus();
}

// Where it was last, else below the summary and right of the main window, in what is left of
// the screen.
std::optional<WindowRect> MapView::BesideWindows() const {
    if (auto remembered = RememberedPlace(*this, map_)) {
        return remembered;
    }
    const QWidget* main = platform_.WidgetOf(context_.mainWindow);
    if (main == nullptr) {
        return std::nullopt;
    }
    WindowSize summary;
    if (const QWidget* widget = platform_.WidgetOf(context_.summaryWindow)) {
        const WindowRect outer = OuterRect(*widget);
        summary = {outer.width, outer.height};
    }
    const WindowRect mainRect = OuterRect(*main);
    const QSize wanted = formSize_ + QSize(0, status_->sizeHint().height());
    const QMargins frame = FrameMargins(*this);
    return PlaceWindows(AvailableScreen(*main), {mainRect.width, mainRect.height}, summary,
                        {wanted.width() + frame.left() + frame.right(),
                         wanted.height() + frame.top() + frame.bottom()})
        .map;
}

WindowRect MapView::ToolsRect() const {
    QRect tools = buttons_.front()->geometry().united(buttons_.back()->geometry());
    if (const auto* find = findChild<QLineEdit*>(ObjectName(map_.fields.txtFind))) {
        tools = tools.united(find->geometry());
    }
    const QPoint corner = mapToGlobal(tools.topLeft());
    return {corner.x(), corner.y(), tools.width(), tools.height()};
}

QSize MapView::ViewSize() const {
    return {width(), std::max(0, height() - status_->sizeHint().height())};
}

void MapView::keyPressEvent(QKeyEvent* event) {
    if (Attached() && event->key() == Qt::Key_Escape) {
        map_.CancelEntry();
        return;
    }
    if (Attached() && (event->modifiers() & Qt::ControlModifier)) {
        const int key = event->key();
        if (key == Qt::Key_Equal || key == Qt::Key_Plus || key == Qt::Key_Minus) {
            map_.ZoomStep(key == Qt::Key_Minus ? -1 : 1);
            return;
        }
    }
    FormWindow::keyPressEvent(event);
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!Attached()) {
        return;
    }
    wheelDelta_ += event->angleDelta().y();
    const int steps = wheelDelta_ / QWheelEvent::DefaultDeltasPerStep;
    wheelDelta_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) {
        map_.ZoomStep(steps, static_cast<float>(event->position().x()),
                      static_cast<float>(event->position().y()));
    }
    event->accept();
}

void MapView::Detach() {
    findBar_ = nullptr;
    FormWindow::Detach();
}

// Only the part asked for: after an order, that is the part of the view that changed.
void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const auto* view =
        Attached() ? dynamic_cast<const QImageSurface*>(map_.canvas.picView()) : nullptr;
    if (view == nullptr) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const QRect shown(0, 0, view->Width(), view->Height());
    const QRect part = event->rect().intersected(shown);
    const int scale = view->Scale();
    if (!part.isEmpty()) {
        painter.drawImage(part, view->Image(), QRect(part.topLeft() * scale, part.size() * scale));
    }
    // A window larger than the map picture shows the window's colour beyond it.
    const QRegion rest = QRegion(event->rect()).subtracted(shown);
    for (const QRect& part : rest) {
        painter.fillRect(part, palette().window());
    }
    if (quitWhenShown_) {
        quitWhenShown_ = false;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void MapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int statusHeight = status_->sizeHint().height();
    status_->setGeometry(0, height() - statusHeight, width(), statusHeight);
    if (findBar_ != nullptr) {
        findBar_->Place(height() - statusHeight);
    }
    if (!Attached()) {
        return;
    }
    const WindowState state = isMinimized()   ? WindowState::Minimized
                              : isMaximized() ? WindowState::Maximized
                                              : WindowState::Normal;
    const QSize view = ViewSize();
    if (state == WindowState::Normal) {
        if (view == formSize_) {
            return;
        }
        formSize_ = view;
    }
    map_.Form_Resize(view.width(), view.height(), state);
}

void MapView::MoveTo(QMouseEvent* event) {
    map_.picView_MouseMove(ButtonsCode(event->buttons()), ShiftCode(event->modifiers()), X(event),
                           Y(event));
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (!Attached()) {
        return;
    }
    // A press that an option button turned down is the button's, not the view's.
    if (childAt(event->position().toPoint()) != nullptr) {
        event->ignore();
        return;
    }
    // The press may come without a move before it (a click where the pointer already was).
    MoveTo(event);
    map_.picView_MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), X(event),
                           Y(event));
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (Attached()) {
        MoveTo(event);
    }
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (!Attached()) {
        return;
    }
    const bool endsDoubleClick = inDoubleClick_;
    inDoubleClick_ = false;
    map_.picView_MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), X(event),
                         Y(event));
    if (!endsDoubleClick && Attached() && rect().contains(event->position().toPoint())) {
        map_.picView_Click();
    }
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!Attached()) {
        return;
    }
    if (event->button() != Qt::LeftButton) {
        // Only the left button double-clicks; a quick second right press starts a drag.
        mousePressEvent(event);
        return;
    }
    inDoubleClick_ = true;
    MoveTo(event);
    map_.picView_DblClick();
}

} // namespace dered
