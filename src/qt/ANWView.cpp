#include "qt/ANWView.h"

#include "forms/frmANW.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace dered {

ANWView::ANWView(frmANW& form, const ViewContext& context) : DialogView(form, context), anw_(form) {
    frmANW& anw = anw_;
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(
        ListFrame(Frame(anw.fraAllies), List(anw.lstAllies), {Button(anw.cmdNeutral[0])}));
    layout->addWidget(ListFrame(Frame(anw.fraNeutrals), List(anw.lstNeutrals),
                                {Button(anw.cmdAlly), Button(anw.cmdWar)}));
    layout->addWidget(
        ListFrame(Frame(anw.fraEnemies), List(anw.lstEnemies), {Button(anw.cmdNeutral[1])}));
    layout->addWidget(ListFrame(Frame(anw.fraCommands), List(anw.lstCommands),
                                {Button(anw.cmdDelete)}, QSize(180, 150)));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
