#include "qt/CallToArmsView.h"

#include "forms/frmCallToArms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <utility>

namespace dered {

namespace {
const QSize kListSize(150, 150);
} // namespace

CallToArmsView::CallToArmsView(frmCallToArms& form, const ViewContext& context)
    : DialogView(form, context), callToArms_(form) {
    QGroupBox* frame = Frame(form.Frame1);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Label(form.Text1), 0, 0);
    grid->addWidget(Label(form.Text2), 0, 1);
    for (auto [list, col] :
         {std::pair{List(form.lstAllies), 0}, std::pair{List(form.lstEnemies), 1}}) {
        list->setFixedSize(kListSize);
        grid->addWidget(list, 1, col);
    }
    grid->addWidget(Button(form.cmdCallToArms), 2, 0, 1, 2, Qt::AlignHCenter);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(ListFrame(Frame(form.fraCommands), List(form.lstCommands),
                                {Button(form.cmdDelete)}, kListSize));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
