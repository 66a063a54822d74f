#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmANW;

// frmANW: allies, neutrals and enemies, each in its frame with the buttons that declare a
// new relation towards the chosen player, and the declarations of this turn.
class ANWView : public DialogView {
  public:
    ANWView(frmANW& form, const ViewContext& context);

  private:
    frmANW& anw_;
};

} // namespace dered
