#include "qt/GridCellDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace dered {

namespace {

QPalette::ColorGroup GroupOf(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return (option.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
}

const QStyle* StyleOf(const QStyleOptionViewItem& option) {
    return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

} // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant background = index.data(Qt::BackgroundRole);
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(GroupOf(option), QPalette::Highlight));
    } else if (background.canConvert<QBrush>()) {
        painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        PaintText(painter, option, index, text);
    }
    if (option.state & QStyle::State_HasFocus) {
        PaintFocus(painter, option);
    }
}

// Laid out and placed as the style's item painter places it: one line in the cell less a
// margin each side, aligned by the whole line's height.
void GridCellDelegate::PaintText(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index, const QString& text) {
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor colour = option.palette.color(GroupOf(option), QPalette::Text);
    if (option.state & QStyle::State_Selected) {
        colour = option.palette.color(GroupOf(option), QPalette::HighlightedText);
    } else if (foreground.canConvert<QBrush>()) {
        colour = qvariant_cast<QBrush>(foreground).color();
    }
    const QVariant aligned = index.data(Qt::TextAlignmentRole);
    const Qt::Alignment alignment = aligned.isValid()
                                        ? Qt::Alignment(aligned.toInt())
                                        : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int margin =
        StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);

    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, alignment));
    QTextLayout layout(text, option.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(textRect.width());
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const QSize size(textRect.width(), static_cast<int>(line.height()));

    painter->save();
    painter->setPen(colour);
    // Cut at the cell's edge, as the classic grid does, never ending in "...".
    painter->setClipRect(option.rect, Qt::IntersectClip);
    layout.draw(painter,
                QStyle::alignedRect(option.direction, alignment, size, textRect).topLeft());
    painter->restore();
}

void GridCellDelegate::PaintFocus(QPainter* painter, const QStyleOptionViewItem& option) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const bool selected = option.state & QStyle::State_Selected;
    focus.backgroundColor =
        option.palette.color(GroupOf(option), selected ? QPalette::Highlight : QPalette::Window);
    StyleOf(option)->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
}

} // namespace dered
