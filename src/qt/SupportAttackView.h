#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmSupportAttack;

// frmSupportAttack: the allies, of whom a double click chooses the one whose attack is
// supported.
class SupportAttackView : public DialogView {
  public:
    SupportAttackView(frmSupportAttack& form, const ViewContext& context);

  private:
    frmSupportAttack& supportAttack_;
};

} // namespace dered
