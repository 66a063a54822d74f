#include "qt/SupportAttackView.h"

#include "app/Program.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace dered {

SupportAttackView::SupportAttackView(Program& program, QtPlatform& platform)
    : DialogView(program, platform, program.supportAttack) {
    KeepAbove(program_.map);
    QListWidget* allies = List(program_.supportAttack.lstAllies, "lstAllies");
    allies->setFixedSize(180, 150);
    // The handler closes the window; the view goes only once the event is over.
    connect(allies, &QListWidget::itemDoubleClicked, this, [this] {
        if (Attached()) {
            program_.supportAttack.lstAllies_DblClick();
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(allies);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
