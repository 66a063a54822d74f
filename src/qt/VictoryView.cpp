#include "qt/VictoryView.h"

#include "forms/frmVictory.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace dered {

namespace {
constexpr int kBarWidth = 140;
// A page click moves the turns by 5 and the points by 25.
constexpr std::array<int, 2> kPageSteps = {5, 25};
} // namespace

VictoryView::VictoryView(frmVictory& form, const ViewContext& context)
    : DialogView(form, context), victory_(form) {
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        QGroupBox* frame = Frame(form.Frame3[i]);
        QLineEdit* box = TextBox(form.txtVC[i]);
        QScrollBar* bar = ScrollBar(form.hsclVC[i]);
        bar->setFixedWidth(kBarWidth);
        bar->setPageStep(kPageSteps[i]);
        auto* inside = new QVBoxLayout(frame);
        inside->addWidget(box);
        inside->addWidget(bar);
        layout->addWidget(frame);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
