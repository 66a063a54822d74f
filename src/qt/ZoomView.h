#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmZoom: one scroll bar for the cell size, over the map window; closing applies it.
class ZoomView : public DialogView {
  public:
    ZoomView(Program& program, QtPlatform& platform);

  protected:
    void Place() override;
};

} // namespace dered
