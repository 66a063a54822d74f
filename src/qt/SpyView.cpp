#include "qt/SpyView.h"

#include "forms/frmSpy.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"

#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <limits>

namespace dered {

namespace {

// A table that says when the user, with the mouse or the keys, changed its selection; the
// program's own changes go unreported.
class UserSelectionTable : public QTableWidget {
  public:
    std::function<void()> onUserSelection;

  protected:
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override {
        QTableWidget::setSelection(rect, flags);
        if (onUserSelection) {
            onUserSelection();
        }
    }
};

} // namespace

SpyView::SpyView(frmSpy& form, const ViewContext& context)
    : DialogView(form, context, Over::Map), spy_(form) {
    frmSpy& spy = spy_;
    auto* table = new UserSelectionTable;
    grid_ = table;
    grid_->setObjectName(ObjectName(form.grdSpy));
    auto& binding = bindings_.Add<GridBinding>(spy.grdSpy, *grid_);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setFixedSize(binding.FittingSize(spy.grdSpy.Rows()));
    table->onUserSelection = [this] { TakeSelection(); };
    ShowSelection();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(Button(spy.cmdDelete), 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SpyView::TakeSelection() {
    int first = std::numeric_limits<int>::max();
    int last = -1;
    for (const QTableWidgetItem* item : grid_->selectedItems()) {
        first = std::min(first, item->column());
        last = std::max(last, item->column());
    }
    if (last >= 0 && Attached()) {
        spy_.grdSpy.SetSelection(first, last);
    }
}

void SpyView::ShowSelection() {
    const GridModel& grid = spy_.grdSpy;
    for (int col = grid.SelStartCol(); col <= grid.SelEndCol(); ++col) {
        if (QTableWidgetItem* item = grid_->item(grid.Row(), col)) {
            item->setSelected(true);
        }
    }
}

} // namespace dered
