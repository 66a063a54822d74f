#pragma once

#include "qt/DialogView.h"

class QTableWidget;

namespace dered {

class frmRelations;

// frmRelations: the square table of who is allied with or at war with whom, the window
// fitting it.
class RelationsView : public DialogView {
  public:
    RelationsView(frmRelations& form, const ViewContext& context);

    QTableWidget& Grid() { return *grid_; }

  private:
    frmRelations& relations_;
    QTableWidget* grid_;
};

} // namespace dered
