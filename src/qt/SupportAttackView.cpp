#include "qt/SupportAttackView.h"

#include "forms/frmSupportAttack.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace dered {

SupportAttackView::SupportAttackView(frmSupportAttack& form, const ViewContext& context)
    : DialogView(form, context, Over::Map), supportAttack_(form) {
    QListWidget* allies = List(supportAttack_.lstAllies);
    allies->setFixedSize(180, 150);
    // The handler closes the window; the view goes only once the event is over.
    connect(allies, &QListWidget::itemDoubleClicked, this, [this] {
        if (Attached()) {
            supportAttack_.lstAllies_DblClick();
        }
    });
    QLabel* prompt = Label(supportAttack_.lblChoose);
    prompt->setWordWrap(true);
    prompt->setFixedWidth(allies->width());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(allies);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
