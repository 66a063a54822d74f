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
    layout->addWidget(ListFrame(Frame(anw.fraAllies, "fraAllies"), List(anw.lstAllies, "lstAllies"),
                                {Button(anw.cmdNeutral[0], "cmdNeutral(0)")}));
    layout->addWidget(ListFrame(Frame(anw.fraNeutrals, "fraNeutrals"),
                                List(anw.lstNeutrals, "lstNeutrals"),
                                {Button(anw.cmdAlly, "cmdAlly"), Button(anw.cmdWar, "cmdWar")}));
    layout->addWidget(ListFrame(Frame(anw.fraEnemies, "fraEnemies"),
                                List(anw.lstEnemies, "lstEnemies"),
                                {Button(anw.cmdNeutral[1], "cmdNeutral(1)")}));
    layout->addWidget(ListFrame(Frame(anw.fraCommands, "fraCommands"),
                                List(anw.lstCommands, "lstCommands"),
                                {Button(anw.cmdDelete, "cmdDelete")}, QSize(180, 150)));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
