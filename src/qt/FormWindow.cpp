#include "qt/FormWindow.h"

#include "qt/Bindings.h"
#include "qt/QtPlatform.h"
#include "ui/FormManager.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace dered {

FormWindow::FormWindow(Form& form, const ViewContext& context, EscKey esc)
    : platform_(context.platform), forms_(context.forms), form_(form), esc_(esc) {
    setObjectName(QString::fromStdString(form.Name()));
    bindings_.Add<CaptionBinding>(form.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
}

void FormWindow::Detach() {
    bindings_.Clear();
    attached_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) {
        CloseBox();
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool closes = esc_ == EscKey::Closes ||
                        (esc_ == EscKey::ClosesUnlessModal && windowModality() == Qt::NonModal);
    if (event->key() == Qt::Key_Escape && closes) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::CloseBox() {
    if (platform_.Ended()) {
        return;
    }
    forms_.Unload(form_);
    platform_.QuitIfNoWindowLeft();
}

} // namespace dered
