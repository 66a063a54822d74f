#include "qt/MapFindBar.h"

#include "forms/frmMap.h"
#include "qt/Bindings.h"
#include "qt/QtText.h"

#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

#include <functional>

namespace dered {

namespace {
constexpr int kFindWidth = 180;
constexpr int kOrderWidth = 320;
constexpr int kGap = 8;

} // namespace

MapFindBar::MapFindBar(frmMap& map, QWidget& view, BindingSet& bindings)
    : view_(view), find_(new QLineEdit(&view)), order_(new QLineEdit(&view)),
      status_(new QLabel(&view)) {
    const ControlRect& last = map.optCommandRect.back();
    find_->setObjectName(ObjectName(map.fields.txtFind));
    find_->setPlaceholderText(QStringLiteral("Go to area..."));
    find_->setGeometry(last.left + last.width + kGap, last.top, kFindWidth, last.height);
    bindings.Add<TextBoxBinding>(map.fields.txtFind, *find_);
    CompleteFrom(*find_, map.fields.lstFind, map.fields.txtFind,
                 [&map] { map.fields.txtFind_Enter(); });

    // Under the option buttons: orders typed, completing area names.
    const ControlRect& first = map.optCommandRect.front();
    order_->setObjectName(ObjectName(map.fields.txtOrder));
    order_->setPlaceholderText(QStringLiteral("Type an order (Ctrl+E)"));
    order_->setGeometry(first.left, last.top + last.height + kGap / 2, kOrderWidth, last.height);
    bindings.Add<TextBoxBinding>(map.fields.txtOrder, *order_);
    CompleteFrom(*order_, map.fields.lstOrder, map.fields.txtOrder,
                 [&map] { map.fields.txtOrder_Enter(); });
    Listen(map.fields.orderFieldWanted, [this](const Changed&) {
        order_->window()->activateWindow();
        order_->setFocus(Qt::ShortcutFocusReason);
        order_->selectAll();
    });

    status_->setObjectName(ObjectName(map.staHover));
    status_->setAutoFillBackground(true);
    status_->setMargin(2);
    bindings.Add<CaptionBinding>(map.staHover, [this](const QString& text) {
        status_->setText(text);
        status_->setVisible(!text.isEmpty());
        status_->adjustSize();
        view_.setToolTip(text);
        Place(bottom_);
    });
    Place(view.height());
}

// A field whose popup lists what the form found for its text; choosing a line runs `enter`.
void MapFindBar::CompleteFrom(QLineEdit& field, ListBoxModel& found, TextBoxModel& text,
                              std::function<void()> enter) {
    auto* lines = new QStringListModel(&field);
    auto* completer = new QCompleter(lines, &field);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    field.setCompleter(completer);
    // The form filters; the popup only shows its list.
    Listen(found, [&found, lines](const ListChange&) {
        QStringList shown;
        for (const ListBoxModel::Line& line : found.Lines()) {
            shown << ToQt(line.text);
        }
        lines->setStringList(shown);
    });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [&text, enter](const QString& chosen) {
                text.SetText(FromQt(chosen));
                enter();
            });
    connect(&field, &QLineEdit::returnPressed, this, enter);
}

void MapFindBar::Place(int bottom) {
    bottom_ = bottom;
    status_->move(0, bottom_ - status_->height());
}

} // namespace dered
