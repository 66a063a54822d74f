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

} // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QPalette::ColorGroup group = GroupOf(option);
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant background = index.data(Qt::BackgroundRole);
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else if (background.canConvert<QBrush>()) {
        painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    }

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        QColor colour = option.palette.color(group, QPalette::Text);
        if (selected) {
            colour = option.palette.color(group, QPalette::HighlightedText);
        } else if (foreground.canConvert<QBrush>()) {
            colour = qvariant_cast<QBrush>(foreground).color();
        }
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
        const QVariant aligned = index.data(Qt::TextAlignmentRole);
        const Qt::Alignment alignment = aligned.isValid()
                                            ? Qt::Alignment(aligned.toInt())
                                            : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
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

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace dered
