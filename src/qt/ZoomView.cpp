#include "qt/ZoomView.h"

#include "forms/frmZoom.h"
#include "qt/QtPlatform.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace dered {

ZoomView::ZoomView(frmZoom& form, const ViewContext& context)
    : DialogView(form, context, Over::Map), zoom_(form) {
    const ControlRect& placement = frmZoom::placement;
    QScrollBar* bar = ScrollBar(zoom_.hsbZoom);
    bar->setPageStep(2);
    QLabel* label = Label(zoom_.lblZoom);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(label);
    setFixedSize(placement.width, placement.height);
}

void ZoomView::Place() {
    const QWidget* map = platform_.WidgetOf(mapWindow_);
    if (map == nullptr || !map->isVisible()) {
        DialogView::Place();
        return;
    }
    move(map->mapToGlobal(QPoint(frmZoom::placement.left, frmZoom::placement.top)));
}

} // namespace dered
