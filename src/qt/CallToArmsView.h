#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmCallToArms: an ally and an enemy chosen side by side, and the calls of this turn.
class CallToArmsView : public DialogView {
  public:
    CallToArmsView(Program& program, QtPlatform& platform);
};

} // namespace dered
