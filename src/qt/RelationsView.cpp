#include "qt/RelationsView.h"

#include "forms/frmRelations.h"
#include "qt/Bindings.h"
#include "qt/GridBinding.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace dered {

RelationsView::RelationsView(frmRelations& form, const ViewContext& context)
    : DialogView(form, context) {
    grid_ = new QTableWidget;
    grid_->setObjectName(ObjectName(form.grdRelations));
    auto& binding = bindings_.Add<GridBinding>(form.grdRelations, *grid_);
    ShowAllReadOnly(*grid_);
    // The size the form gives, or more where the rows need the room of this font.
    const QSize fitting = binding.FittingSize(form.grdRelations.Rows());
    const int frame = 2 * grid_->frameWidth();
    grid_->setFixedSize(std::max(form.GridWidth + frame, fitting.width()),
                        std::max(form.GridHeight + frame, fitting.height()));
    // The classic grid drew its lines beside the cells, Qt draws them inside: the cells share
    // that size out among themselves.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dered
