#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmCallToArms;

// frmCallToArms: an ally and an enemy chosen side by side, and the calls of this turn.
class CallToArmsView : public DialogView {
  public:
    CallToArmsView(frmCallToArms& form, const ViewContext& context);

  private:
    frmCallToArms& callToArms_;
};

} // namespace dered
