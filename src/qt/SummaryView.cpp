#include "qt/SummaryView.h"

#include "qt/Placement.h"

#include "forms/frmSummary.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtPlatform.h"
#include "qt/WinQZView.h"
#include "ui/FormManager.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>

namespace dered {

namespace {
constexpr int kMargin = 6;
// 50 twips at the usual 15 twips a pixel.
constexpr int kGapToMainWindow = 3;
} // namespace

SummaryView::SummaryView(frmSummary& form, const ViewContext& context)
    : summary_(form), platform_(context.platform), forms_(context.forms),
      mainWindow_(context.mainWindow), grid_(new QTableView(this)) {
    setObjectName(QStringLiteral("frmSummary"));
    // A small window: only a close box, so that its caption has room in the frame.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    grid_->setObjectName(ObjectName(form.grdSummary));
    bindings_.Add<CaptionBinding>(summary_.caption,
                                  [this](const QString& text) { setWindowTitle(text); });
    auto& binding = bindings_.Add<GridBinding>(summary_.grdSummary, *grid_);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFixedSize(binding.FittingSize(summary_.grdSummary.Rows()));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(grid_, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    new PlaceKeeper(*this, summary_);
    new FramedPlacer(*this, [this] { return BesideMainWindow(); });
}

void SummaryView::Detach() {
    bindings_.Clear();
    attached_ = false;
}

// Top of the screen, a few pixels right of the main window; on a narrow screen it covers the
// main window's right edge rather than run off.
std::optional<WindowRect> SummaryView::BesideMainWindow() const {
    if (auto remembered = RememberedPlace(*this, summary_)) {
        return remembered;
    }
    const QWidget* main = platform_.WidgetOf(mainWindow_);
    if (main == nullptr) {
        return std::nullopt;
    }
    const QRect frame = main->frameGeometry();
    const WindowRect screen = AvailableScreen(*main);
    const WindowRect outer = OuterRect(*this);
    return FitOnScreen(screen, {frame.x() + frame.width() + kGapToMainWindow, screen.y, outer.width,
                                outer.height});
}

void SummaryView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (attached_) {
        CloseForm(forms_, platform_, summary_);
    }
}

} // namespace dered
