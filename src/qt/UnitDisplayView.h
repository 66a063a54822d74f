#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmUnitDisplay;

// frmUnitDisplay: the four unit pictures and, under them, the four symbols the map can draw
// units with, and the two buttons that choose between them.
class UnitDisplayView : public DialogView {
  public:
    UnitDisplayView(frmUnitDisplay& form, const ViewContext& context);

  private:
    frmUnitDisplay& unitDisplay_;
};

} // namespace dered
