#include "qt/MapFindBar.h"

#include "forms/frmMap.h"
#include "qt/Bindings.h"
#include "qt/QtText.h"

#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

namespace dered {

namespace {
constexpr int kFindWidth = 180;
constexpr int kGap = 8;
} // namespace

MapFindBar::MapFindBar(frmMap& map, QWidget& view, BindingSet& bindings)
    : view_(view), find_(new QLineEdit(&view)), status_(new QLabel(&view)) {
    const ControlRect& last = map.optCommandRect.back();
    find_->setObjectName(QStringLiteral("txtFind"));
    find_->setPlaceholderText(QStringLiteral("Go to area..."));
    find_->setGeometry(last.left + last.width + kGap, last.top, kFindWidth, last.height);
    auto* matches = new QStringListModel(find_);
    auto* completer = new QCompleter(matches, find_);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    find_->setCompleter(completer);
    bindings.Add<TextBoxBinding>(map.txtFind, *find_);
    // The form filters; the popup only shows its list.
    Listen(map.lstFind, [&map, matches](const ListChange&) {
        QStringList lines;
        for (const ListBoxModel::Line& line : map.lstFind.Lines()) {
            lines << ToQt(line.text);
        }
        matches->setStringList(lines);
    });
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [&map](const QString& text) {
                map.txtFind.SetText(FromQt(text));
                map.txtFind_Enter();
            });
    connect(find_, &QLineEdit::returnPressed, this, [&map] { map.txtFind_Enter(); });

    status_->setObjectName(QStringLiteral("staHover"));
    status_->setAutoFillBackground(true);
    status_->setMargin(2);
    bindings.Add<CaptionBinding>(map.staHover, [this](const QString& text) {
        status_->setText(text);
        status_->setVisible(!text.isEmpty());
        status_->adjustSize();
        view_.setToolTip(text);
        Place();
    });
    Place();
}

void MapFindBar::Place() {
    status_->move(0, view_.height() - status_->height());
}

} // namespace dered
