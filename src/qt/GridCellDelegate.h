#pragma once

#include <QStyledItemDelegate>

namespace dered {

// Paints a grid cell as the style's item painter does for the roles the grid models give
// (text, alignment, fixed-cell colours, selection, focus), in a fraction of its time: the
// main grid shows some three hundred cells, and the style lays each text out twice.
class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    static void PaintText(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index, const QString& text);
    static void PaintFocus(QPainter* painter, const QStyleOptionViewItem& option);
};

} // namespace dered
