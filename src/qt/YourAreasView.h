#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmYourAreas;

// frmYourAreas: the player's areas in a fixed-pitch list, and the button that fills it anew.
class YourAreasView : public DialogView {
  public:
    YourAreasView(frmYourAreas& form, const ViewContext& context);

  private:
    frmYourAreas& yourAreas_;
};

} // namespace dered
