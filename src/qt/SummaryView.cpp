#include "qt/SummaryView.h"

#include "qt/Placement.h"

#include "forms/frmSummary.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "qt/QtPlatform.h"
#include "ui/FormManager.h"

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
    : FormWindow(form, context, EscKey::Passes), summary_(form), mainWindow_(context.mainWindow) {
    grid_ = new QTableView(this);
    // A small window: only a close box, so that its caption has room in the frame.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    grid_->setObjectName(ObjectName(form.grdSummary));
    auto& binding = bindings_.Add<GridBinding>(summary_.grdSummary, *grid_);
    ShowAllReadOnly(*grid_);
    grid_->setFixedSize(binding.FittingSize(summary_.grdSummary.Rows()));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(grid_, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepPlace(*this, summary_);
    new FramedPlacer(*this, [this] { return BesideMainWindow(); });
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

} // namespace dered
