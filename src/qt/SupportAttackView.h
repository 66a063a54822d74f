#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmSupportAttack;

// frmSupportAttack: the allies, of whom a double click chooses the one whose attack is
// supported.
class SupportAttackView : public DialogView {
  public:
    SupportAttackView(frmSupportAttack& form, const ViewContext& context);

  protected:
    // Beside the map that takes its clicks, and kept above it.
    void Place() override { PlaceOverMap(); }

  private:
    frmSupportAttack& supportAttack_;
};

} // namespace dered
