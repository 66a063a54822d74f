#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmVictory: the turns and the points proposed, each a text box over a scroll bar that
// writes into it.
class VictoryView : public DialogView {
  public:
    VictoryView(Program& program, QtPlatform& platform);
};

} // namespace dered
