#pragma once

#include "forms/frmGrantAccess.h"
#include "forms/frmMap.h"
#include "forms/frmSpy.h"

namespace dered {

// Map clicks reach the spy grid and the grant-access area box only while their window is open.
class DialogClickTargets : public MapClickTargets {
  public:
    DialogClickTargets(frmSpy& spy, frmGrantAccess& grantAccess)
        : spy_(spy), grantAccess_(grantAccess) {}

    GridModel* SpyGrid() override { return spy_.IsLoaded() ? &spy_.grdSpy : nullptr; }
    TextBoxModel* GrantAccessAreaBox() override {
        return grantAccess_.IsLoaded() ? &grantAccess_.txtArea : nullptr;
    }

  private:
    frmSpy& spy_;
    frmGrantAccess& grantAccess_;
};

} // namespace dered
