#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmVictory;

// frmVictory: the turns and the points proposed, each a text box over a scroll bar that
// writes into it.
class VictoryView : public DialogView {
  public:
    VictoryView(frmVictory& form, const ViewContext& context);

  private:
    frmVictory& victory_;
};

} // namespace dered
