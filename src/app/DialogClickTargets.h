#pragma once

#include "map/frmMap.h"
#include "orders/frmGrantAccess.h"
#include "settings/frmSpy.h"

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
