#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmANW: allies, neutrals and enemies, each in its frame with the buttons that declare a
// new relation towards the chosen player, and the declarations of this turn.
class ANWView : public DialogView {
  public:
    ANWView(Program& program, QtPlatform& platform);
};

} // namespace dered
