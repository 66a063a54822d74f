#include "qt/DialogView.h"

#include "qt/Bindings.h"
#include "qt/QtPlatform.h"
#include "ui/Control.h"
#include "ui/FormManager.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace dered {

DialogView::DialogView(Form& form, const ViewContext& context, Over over)
    : FormWindow(form, context, EscKey::ClosesUnlessModal), mainWindow_(context.mainWindow),
      mapWindow_(context.mapWindow), over_(over) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    KeepAbove(mainWindow_);
    if (over_ == Over::Map) {
        KeepAbove(mapWindow_);
    }
}

void DialogView::KeepAbove(const Form& owner) {
    QWidget* ownerWindow = platform_.WidgetOf(owner);
    if (ownerWindow == nullptr || !ownerWindow->isVisible()) {
        return;
    }
    // The hint goes on the native windows.
    winId();
    windowHandle()->setTransientParent(ownerWindow->windowHandle());
}

bool DialogView::PlaceOverMap() {
    const QWidget* map = platform_.WidgetOf(mapWindow_);
    if (map == nullptr || !map->isVisible()) {
        return false;
    }
    constexpr int kFromEdge = 16;
    constexpr int kBelowButtons = 40;
    const QPoint corner = map->mapToGlobal(QPoint(map->width(), kBelowButtons));
    move(corner.x() - frameGeometry().width() - kFromEdge, corner.y());
    return true;
}

void DialogView::LetShrink(std::initializer_list<QWidget*> parts, int leastHeight) {
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    const QSize full = layout()->sizeHint();
    for (QWidget* part : parts) {
        part->setMinimumHeight(std::min(leastHeight, part->height()));
        part->setMaximumHeight(QWIDGETSIZE_MAX);
    }
    resize(full);
}

void DialogView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        Place();
    }
}

void DialogView::Place() {
    if (over_ == Over::Map && PlaceOverMap()) {
        return;
    }
    PlaceOverMainWindow();
}

void DialogView::PlaceOverMainWindow() {
    const QWidget* main = platform_.WidgetOf(mainWindow_);
    if (main == nullptr || !main->isVisible()) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(main->frameGeometry().center());
    // Wholly on the screen, whatever the main window's size.
    if (const QScreen* screen = main->screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

namespace {

// A widget bound to a form's control goes by the control's name.
template <typename Widget> Widget* Named(const ControlName& control, Widget* widget) {
    widget->setObjectName(ObjectName(control));
    return widget;
}

} // namespace

QGroupBox* DialogView::Frame(Control<TextModel>& caption) {
    auto* frame = Named(caption, new QGroupBox);
    bindings_.Add<CaptionBinding>(caption, [frame](const QString& text) { frame->setTitle(text); });
    return frame;
}

QListWidget* DialogView::List(Control<ListBoxModel>& model) {
    return Named(model, BoundWidget(model, bindings_));
}

QPushButton* DialogView::Button(Control<ButtonModel>& model) {
    auto* button = Named(model, BoundWidget(model, bindings_));
    button->setAutoDefault(false);
    return button;
}

QLabel* DialogView::Label(Control<TextModel>& model) {
    return Named(model, BoundWidget(model, bindings_));
}

QLineEdit* DialogView::TextBox(Control<TextBoxModel>& model) {
    return Named(model, BoundWidget(model, bindings_));
}

QCheckBox* DialogView::CheckBox(Control<CheckBoxModel>& model) {
    return Named(model, BoundWidget(model, bindings_));
}

QScrollBar* DialogView::ScrollBar(Control<ScrollBarModel>& model) {
    return Named(model, BoundWidget(model, bindings_));
}

QGroupBox* ListFrame(QGroupBox* frame, QListWidget* list, std::initializer_list<QWidget*> below,
                     QSize listSize) {
    list->setFixedSize(listSize);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    auto* row = new QHBoxLayout;
    for (QWidget* widget : below) {
        row->addWidget(widget);
    }
    layout->addLayout(row);
    return frame;
}

} // namespace dered
