#pragma once

#include "qt/DialogView.h"
#include "qt/GridBinding.h"

namespace dered {

class frmRelations;

// frmRelations: the square table of who is allied with or at war with whom, the window
// fitting it.
class RelationsView : public DialogView, public WithGrid<QTableWidget> {
  public:
    RelationsView(frmRelations& form, const ViewContext& context);
};

} // namespace dered
