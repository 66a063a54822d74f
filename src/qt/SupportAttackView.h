#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmSupportAttack: the allies, of whom a double click chooses the one whose attack is
// supported.
class SupportAttackView : public DialogView {
  public:
    SupportAttackView(Program& program, QtPlatform& platform);

  protected:
    // Beside the map that takes its clicks, and kept above it.
    void Place() override { PlaceOverMap(); }
};

} // namespace dered
