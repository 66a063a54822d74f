#include "qt/OrdersView.h"

#include "forms/frmOrders.h"
#include "qt/Bindings.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace dered {

OrdersView::OrdersView(frmOrders& orders, const ViewContext& context)
    : FormWindow(orders, context, EscKey::Closes) {
    setWindowFlags(Qt::Window);
    auto* text = new QPlainTextEdit;
    text->setObjectName(ObjectName(orders.txtReference));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    bindings_.Add<CaptionBinding>(orders.txtReference,
                                  [text](const QString& value) { text->setPlainText(value); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text);
    const QFontMetrics metrics(text->font());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(metrics.horizontalAdvance(QLatin1Char('x')) * 100, screen.width() * 9 / 10),
           std::min(metrics.lineSpacing() * 42, screen.height() * 8 / 10));
}

} // namespace dered
