#include "qt/MoreBindings.h"

#include "qt/QImageSurface.h"
#include "qt/QtText.h"
#include "ui/Controls.h"
#include "ui/SwatchModel.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace dered {

ShownTextBinding::ShownTextBinding(TextBoxModel& model, QPlainTextEdit& box) {
    box.setReadOnly(true);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto show = [&model, &box] {
        const QString text = ToQt(model.Text());
        if (box.toPlainText() != text) {
            box.setPlainText(text);
        }
    };
    Listen(model, [show](const Changed&) { show(); });
    show();
}

SwatchBinding::SwatchBinding(SwatchModel& model, QFrame& frame) : model_(model), frame_(frame) {
    frame_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame_.setAutoFillBackground(true);
    frame_.setCursor(Qt::PointingHandCursor);
    frame_.installEventFilter(this);
    Listen(model_, [this](const Changed&) { Show(); });
    Show();
}

void SwatchBinding::Show() {
    QPalette palette = frame_.palette();
    palette.setColor(QPalette::Window, ColourToQt(model_.Colour()));
    frame_.setPalette(palette);
    frame_.setEnabled(model_.Enabled());
}

bool SwatchBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &frame_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            frame_.rect().contains(mouse->position().toPoint())) {
            model_.Click();
            return true;
        }
    }
    return Binding::eventFilter(watched, event);
}

} // namespace dered
