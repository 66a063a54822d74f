#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmTurns;

// frmTurns: the turns found, the buttons that open one read-only, go back and compare, and the
// comparison's two tables.
class TurnsView : public DialogView {
  public:
    TurnsView(frmTurns& form, const ViewContext& context);
};

} // namespace dered
