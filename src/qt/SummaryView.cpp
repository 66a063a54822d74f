#include "qt/SummaryView.h"

#include "app/Program.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtPlatform.h"
#include "qt/WinQZView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QTimer>

namespace dered {

namespace {
constexpr int kMargin = 6;
// 50 twips at the usual 15 twips a pixel.
constexpr int kGapToMainWindow = 3;
} // namespace

SummaryView::SummaryView(Program& program, QtPlatform& platform)
    : program_(program), platform_(platform), grid_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("frmSummary"));
    // A small window: only a close box, so that its caption has room in the frame.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    grid_->setObjectName(QStringLiteral("grdSummary"));
    bindings_.Add<CaptionBinding>(program_.summary.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
    auto& binding = bindings_.Add<GridBinding>(program_.summary.grdSummary, *grid_);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFixedSize(binding.FittingSize(program_.summary.grdSummary.Rows()));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(grid_, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SummaryView::Detach() {
    bindings_.Clear();
    attached_ = false;
}

namespace {

// The window manager gives a window its frame only some time after it is shown.
bool HasFrame(const QWidget& window) {
    return window.isVisible() && window.frameGeometry() != window.geometry();
}

} // namespace

void SummaryView::PlaceBesideMainWindow() {
    QWidget* main = platform_.WidgetOf(program_.winQZ);
    if (main == nullptr || placing_) {
        return;
    }
    placing_ = true;
    const QRect frame = main->frameGeometry();
    move(frame.x() + frame.width() + kGapToMainWindow, 0);
    placing_ = false;
    if (HasFrame(*main) && HasFrame(*this)) {
        placed_ = true;
        main->removeEventFilter(this);
    }
}

void SummaryView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    if (QWidget* main = platform_.WidgetOf(program_.winQZ)) {
        main->installEventFilter(this);
    }
    PlaceBesideMainWindow();
}

void SummaryView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!placed_ && isVisible()) {
        QTimer::singleShot(0, this, [this] { PlaceBesideMainWindow(); });
    }
}

bool SummaryView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!placed_ && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        QTimer::singleShot(0, this, [this] { PlaceBesideMainWindow(); });
    }
    return QWidget::eventFilter(watched, event);
}

void SummaryView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) {
        CloseForm(program_, platform_, program_.summary);
    }
}

} // namespace dered
