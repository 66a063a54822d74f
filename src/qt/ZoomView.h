#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmZoom;

// frmZoom: one scroll bar for the cell size, over the map window; closing applies it.
class ZoomView : public DialogView {
  public:
    ZoomView(frmZoom& form, const ViewContext& context);

  protected:
    void Place() override;

  private:
    frmZoom& zoom_;
};

} // namespace dered
