#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmYourAreas: the player's areas in a fixed-pitch list, and the button that fills it anew.
class YourAreasView : public DialogView {
  public:
    YourAreasView(Program& program, QtPlatform& platform);
};

} // namespace dered
