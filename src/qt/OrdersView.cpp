#include "qt/OrdersView.h"

#include "forms/frmOrders.h"
#include "qt/Bindings.h"
#include "qt/WinQZView.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace dered {

OrdersView::OrdersView(frmOrders& form, const ViewContext& context)
    : orders_(form), platform_(context.platform), forms_(context.forms) {
    setObjectName(QStringLiteral("frmOrders"));
    setWindowFlags(Qt::Window);
    bindings_.Add<CaptionBinding>(orders_.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
    auto* text = new QPlainTextEdit;
    text->setObjectName(ObjectName(form.txtReference));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    bindings_.Add<CaptionBinding>(orders_.txtReference,
                                  [text](const QString& value) { text->setPlainText(value); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text);
    const QFontMetrics metrics(text->font());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(metrics.horizontalAdvance(QLatin1Char('x')) * 100, screen.width() * 9 / 10),
           std::min(metrics.lineSpacing() * 42, screen.height() * 8 / 10));
}

void OrdersView::Detach() {
    bindings_.Clear();
    attached_ = false;
}

// A reference window is read and put away: Esc closes it.
void OrdersView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OrdersView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) {
        CloseForm(forms_, platform_, orders_);
    }
}

} // namespace dered
