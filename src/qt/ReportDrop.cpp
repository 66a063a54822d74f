#include "qt/ReportDrop.h"

#include "forms/TurnAllies.h"
#include "forms/frmWinQZ.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace dered {

namespace {

// One local file, else nothing.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

ReportDrop::ReportDrop(QWidget& window, frmWinQZ& winQZ, TurnAllies& allies)
    : QObject(&window), winQZ_(winQZ), allies_(allies) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool ReportDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!DroppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
        return false;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedFile(drop->mimeData());
        if (path.isEmpty()) {
            return false;
        }
        drop->acceptProposedAction();
        const std::string file = path.toLocal8Bit().toStdString();
        if (drop->modifiers().testFlag(Qt::ControlModifier)) {
            allies_.Load(file);
        } else {
            winQZ_.DropReport(file, drop->modifiers().testFlag(Qt::ShiftModifier));
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace dered
