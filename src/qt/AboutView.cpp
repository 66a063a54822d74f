#include "qt/AboutView.h"

#include "forms/frmAbout.h"
#include "qt/Bindings.h"
#include "qt/WinQZView.h"
#include "ui/FormManager.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace dered {

namespace {

QLabel* AddLabel(QVBoxLayout& layout, BindingSet& bindings, Control<TextModel>& model) {
    auto* label = new QLabel;
    label->setObjectName(ObjectName(model));
    label->setAlignment(Qt::AlignHCenter);
    bindings.Add<CaptionBinding>(model, [label](const QString& text) { label->setText(text); });
    layout.addWidget(label);
    return label;
}

} // namespace

AboutView::AboutView(frmAbout& form, const ViewContext& context)
    : about_(form), platform_(context.platform), forms_(context.forms) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    frmAbout& about = about_;
    bindings_.Add<CaptionBinding>(about.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    QLabel* version = AddLabel(*layout, bindings_, about.Label1_0);
    QFont big = version->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    version->setFont(big);
    AddLabel(*layout, bindings_, about.Label1_1);
    layout->addSpacing(12);
    for (Control<TextModel>& credit : about.Credit) {
        AddLabel(*layout, bindings_, credit);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutView::Detach() {
    bindings_.Clear();
    attached_ = false;
}

// Read and put away: Esc closes it.
void AboutView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AboutView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) {
        CloseForm(forms_, platform_, about_);
    }
}

} // namespace dered
