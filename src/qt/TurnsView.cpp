#include "qt/TurnsView.h"

#include "forms/frmTurns.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

namespace dered {

namespace {

constexpr int kListWidth = 350;
constexpr int kListHeight = 110;
constexpr int kTableWidth = 720;

QLabel* Heading(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

} // namespace

TurnsView::TurnsView(frmTurns& form, const ViewContext& context) : DialogView(form, context) {
    QListWidget* turns = List(form.lstTurns);
    QListWidget* with = List(form.lstWith);
    for (QListWidget* list : {turns, with}) {
        list->setFixedSize(kListWidth, kListHeight);
    }
    const auto table = [this](Control<GridModel>& grid, int height) {
        auto* view = new QTableView(this);
        view->setObjectName(ObjectName(grid));
        bindings_.Add<GridBinding>(grid, *view);
        view->setSelectionMode(QAbstractItemView::NoSelection);
        // The area numbers take what they need, the words share the rest.
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        view->verticalHeader()->hide();
        view->setFixedSize(kTableWidth, height);
        return view;
    };
    // The whole window scrolls when the screen is too small for it.
    auto* content = new QWidget;
    auto* layout = new QGridLayout(content);
    layout->addWidget(Heading("Turn to open or compare:", this), 0, 0);
    layout->addWidget(Heading("Compare with:", this), 0, 1);
    layout->addWidget(turns, 1, 0);
    layout->addWidget(with, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button(form.cmdOpen));
    buttons->addWidget(Button(form.cmdBack));
    buttons->addWidget(Button(form.cmdCompare));
    buttons->addStretch();
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addWidget(Label(form.lblShown), 3, 0, 1, 2);
    QLabel* unreadable = Label(form.lblUnreadable);
    unreadable->setWordWrap(true);
    layout->addWidget(unreadable, 4, 0, 1, 2);
    layout->addWidget(Label(form.lblCompared), 5, 0, 1, 2);
    layout->addWidget(table(form.grdChanges, 220), 6, 0, 1, 2);
    layout->addWidget(table(form.grdPlayers, 190), 7, 0, 1, 2);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    resize(content->sizeHint());
}

} // namespace dered
