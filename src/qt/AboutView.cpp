#include "qt/AboutView.h"

#include "forms/frmAbout.h"
#include "qt/Bindings.h"

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

AboutView::AboutView(frmAbout& about, const ViewContext& context)
    : FormWindow(about, context, EscKey::Closes) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
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

} // namespace dered
