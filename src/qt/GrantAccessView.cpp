#include "qt/GrantAccessView.h"

#include "forms/frmGrantAccess.h"
#include "qt/Bindings.h"
#include "qt/MoreBindings.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dered {

namespace {
const QSize kListSize(150, 150);
constexpr int kLeastListHeight = 60;
constexpr int kInstructionLines = 3;
} // namespace

GrantAccessView::GrantAccessView(frmGrantAccess& form, const ViewContext& context)
    : DialogView(form, context, Over::Map) {
    auto* instruction = new QPlainTextEdit;
    instruction->setObjectName(ObjectName(form.Text1));
    instruction->setFocusPolicy(Qt::NoFocus);
    instruction->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(instruction->font());
    instruction->setFixedHeight(kInstructionLines * metrics.lineSpacing() +
                                2 * (instruction->frameWidth() + 4));
    bindings_.Add<ShownTextBinding>(form.Text1, *instruction);

    QLineEdit* area = TextBox(form.txtArea);
    area->setFixedWidth(metrics.horizontalAdvance(QStringLiteral(" 2222 ")) + 8);
    QGroupBox* options = Frame(form.fraOptions);
    auto* optionsLayout = new QGridLayout(options);
    QListWidget* players = List(form.lstPlayers);
    players->setFixedSize(kListSize);
    optionsLayout->addWidget(players, 0, 0, 4, 1);
    optionsLayout->addWidget(Button(form.cmdGrant), 0, 1);
    optionsLayout->addWidget(Button(form.cmdGrantAll), 1, 1);
    optionsLayout->addWidget(area, 2, 1, Qt::AlignHCenter);
    optionsLayout->setRowStretch(3, 1);

    auto* frames = new QHBoxLayout;
    frames->addWidget(options);
    QListWidget* commands = List(form.lstCommands);
    frames->addWidget(
        ListFrame(Frame(form.fraCommands), commands, {Button(form.cmdDelete)}, kListSize));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addLayout(frames);
    LetShrink({players, commands}, kLeastListHeight);
}

} // namespace dered
