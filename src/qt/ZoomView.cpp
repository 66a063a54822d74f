#include "qt/ZoomView.h"

#include "app/Program.h"
#include "qt/QtPlatform.h"

#include <QScrollBar>
#include <QVBoxLayout>

namespace dered {

ZoomView::ZoomView(Program& program, QtPlatform& platform)
    : DialogView(program, platform, program.zoom) {
    const ControlRect& placement = frmZoom::placement;
    QScrollBar* bar = ScrollBar(program_.zoom.hsbZoom, "hsbZoom");
    bar->setPageStep(2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    setFixedSize(placement.width, placement.height);
    KeepAbove(program_.map);
}

void ZoomView::Place() {
    const QWidget* map = platform_.WidgetOf(program_.map);
    if (map == nullptr || !map->isVisible()) {
        DialogView::Place();
        return;
    }
    move(map->mapToGlobal(QPoint(frmZoom::placement.left, frmZoom::placement.top)));
}

} // namespace dered
