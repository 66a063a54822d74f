#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmSupportAttack: the allies, of whom a double click chooses the one whose attack is
// supported.
class SupportAttackView : public DialogView {
  public:
    SupportAttackView(Program& program, QtPlatform& platform);
};

} // namespace dered
