#include "qt/MoreBindings.h"

#include "qt/EventHook.h"
#include "qt/QImageSurface.h"
#include "qt/QtText.h"
#include "ui/Controls.h"
#include "ui/SwatchModel.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace dered {

template <>
WidgetBinding<TextBoxModel, QPlainTextEdit>::WidgetBinding(TextBoxModel& model,
                                                           QPlainTextEdit& box) {
    box.setReadOnly(true);
    box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ShowAndFollow(model, [&model, &box] {
        const QString text = ToQt(model.Text());
        if (box.toPlainText() != text) {
            box.setPlainText(text);
        }
    });
}

template <> WidgetBinding<SwatchModel, QFrame>::WidgetBinding(SwatchModel& model, QFrame& frame) {
    frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame.setAutoFillBackground(true);
    frame.setCursor(Qt::PointingHandCursor);
    new EventHook(frame, this, [&model, &frame](QEvent& event) {
        if (event.type() != QEvent::MouseButtonRelease) {
            return false;
        }
        const auto& mouse = static_cast<QMouseEvent&>(event);
        if (mouse.button() != Qt::LeftButton ||
            !frame.rect().contains(mouse.position().toPoint())) {
            return false;
        }
        model.Click();
        return true;
    });
    ShowAndFollow(model, [&model, &frame] {
        QPalette palette = frame.palette();
        palette.setColor(QPalette::Window, ColourToQt(model.Colour()));
        frame.setPalette(palette);
        frame.setEnabled(model.Enabled());
    });
}

} // namespace dered
