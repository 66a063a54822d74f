#include "qt/WinQZView.h"

#include "qt/Placement.h"

#include "forms/frmWinQZ.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtPlatform.h"
#include "ui/FormManager.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace dered {

namespace {
constexpr int kVisibleRows = 30;
constexpr int kMargin = 4;

QList<QKeySequence> MenuShortcuts(const std::string& item) {
    if (item == "mnuUndo") {
        return {QKeySequence::Undo};
    }
    if (item == "mnuRedo") {
        return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
    }
    if (item == "mnuOrdersOverview") {
        return {QKeySequence(Qt::CTRL | Qt::Key_L)};
    }
    if (item == "mnuGoTo") {
        return {QKeySequence(Qt::CTRL | Qt::Key_G)};
    }
    return {};
}
} // namespace

WinQZView::WinQZView(frmWinQZ& form, const ViewContext& context)
    : winQZ_(form), platform_(context.platform), forms_(context.forms), title_(new QTableView),
      area_(new QTableView) {
    setObjectName(QStringLiteral("frmWinQZ"));
    bindings_.Add<CaptionBinding>(winQZ_.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
    BuildMenu();
    BuildGrids();
    auto* status = new QLabel;
    status->setObjectName(ObjectName(form.stbStatus));
    statusBar()->addWidget(status, 1);
    statusBar()->setSizeGripEnabled(false);
    bindings_.Add<CaptionBinding>(winQZ_.stbStatus,
                                  [status](const QString& text) { status->setText(text); });
    move(0, 0);
    KeepPlace(*this, winQZ_);
    new FramedPlacer(*this, [this]() -> std::optional<WindowRect> {
        if (auto remembered = RememberedPlace(*this, winQZ_)) {
            return remembered;
        }
        // Lower on a screen too narrow for the map beside it, so that the map fits below.
        const WindowRect outer = OuterRect(*this);
        return PlaceWindows(AvailableScreen(*this), {outer.width, outer.height}, {}, {}).main;
    });
}

void WinQZView::BuildMenu() {
    for (const MenuGroup& group : winQZ_.Menu()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setToolTipsVisible(true); // a disabled item says why
        menu->setObjectName(QString::fromStdString(group.top->Name()));
        bindings_.Add<MenuBinding>(*group.top, *menu->menuAction(), false);
        for (MenuItemModel* item : group.items) {
            QAction* action = menu->addAction(QString());
            action->setObjectName(QString::fromStdString(item->Name()));
            // The items with a tick: hexagons or squares, and what the map draws over the areas.
            bindings_.Add<MenuBinding>(*item, *action,
                                       item == &winQZ_.mnuHex || item == &winQZ_.mnuReach ||
                                           item == &winQZ_.mnuAlliesOrders);
            // The keys work from every window of the program: orders are entered on the map.
            action->setShortcutContext(Qt::ApplicationShortcut);
            // Keys the form names are bound with the item; these add the desktop's own.
            if (const auto keys = MenuShortcuts(item->Name()); !keys.isEmpty()) {
                action->setShortcuts(keys);
            }
        }
    }
}

void WinQZView::BuildGrids() {
    title_->setObjectName(ObjectName(winQZ_.grdAreaTitle));
    area_->setObjectName(ObjectName(winQZ_.grdArea));
    titleBinding_ = &bindings_.Add<GridBinding>(winQZ_.grdAreaTitle, *title_);
    areaBinding_ = &bindings_.Add<GridBinding>(winQZ_.grdArea, *area_);
    areaBinding_->onClick = [this] { winQZ_.grdArea_Click(); };
    areaBinding_->onDblClick = [this] { winQZ_.grdArea_DblClick(); };

    for (QTableView* table : {title_, area_}) {
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    }
    title_->setFocusPolicy(Qt::NoFocus);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(0);
    layout->addWidget(title_);
    layout->addWidget(area_, 1);
    setCentralWidget(central);
    titleBinding_->onLayout = [this] { FitGrids(); };
    areaBinding_->onLayout = [this] { FitGrids(); };
    FitGrids();
}

// The headings span the area grid and its scroll bar; both grids take the wider width.
void WinQZView::FitGrids() {
    if (titleBinding_ == nullptr || areaBinding_ == nullptr) {
        return;
    }
    const QSize titleSize = titleBinding_->FittingSize(0);
    const QSize areaSize = areaBinding_->FittingSize(kVisibleRows);
    const int width = std::max(titleSize.width(), areaSize.width());
    title_->setFixedSize(width, titleSize.height());
    area_->setFixedWidth(width);
    area_->setMinimumHeight(areaBinding_->FittingSize(3).height());
    if (!isVisible()) {
        // The window opens showing the grid's first rows, within the screen.
        const int height = titleSize.height() + areaSize.height() + 2 * kMargin +
                           menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
        const int screenHeight = platform_.ScreenSize().height;
        constexpr int kRoomForFrame = 40;
        resize(width + 2 * kMargin, std::min(height, screenHeight - kRoomForFrame));
    }
}

void WinQZView::Detach() {
    bindings_.Clear();
    areaBinding_ = nullptr;
    titleBinding_ = nullptr;
}

void WinQZView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || areaBinding_ == nullptr) {
        return;
    }
    if (isMinimized()) {
        winQZ_.Form_Resize(WindowState::Minimized);
    } else if (isMaximized()) {
        winQZ_.Form_Resize(WindowState::Maximized);
    } else {
        winQZ_.Form_Resize(WindowState::Normal);
    }
}

// The close box is "Exit": it may ask about unsaved orders, and it saves the settings.
void WinQZView::closeEvent(QCloseEvent* event) {
    if (areaBinding_ == nullptr || platform_.Ended()) {
        event->accept();
        return;
    }
    event->ignore();
    winQZ_.mnuExit_Click();
}

} // namespace dered
