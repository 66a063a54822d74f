#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmGrantAccess: the instruction, the allies with the grant buttons and the area box that
// map clicks write into, and the grants of this turn.
class GrantAccessView : public DialogView {
  public:
    GrantAccessView(Program& program, QtPlatform& platform);

  protected:
    // Beside the map that takes its clicks, and kept above it.
    void Place() override { PlaceOverMap(); }
};

} // namespace dered
