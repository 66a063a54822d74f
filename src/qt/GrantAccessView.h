#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmGrantAccess;

// frmGrantAccess: the instruction, the allies with the grant buttons and the area box that
// map clicks write into, and the grants of this turn.
class GrantAccessView : public DialogView {
  public:
    GrantAccessView(frmGrantAccess& form, const ViewContext& context);
};

} // namespace dered
