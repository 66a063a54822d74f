#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmEditHex;

// frmEditHex: a cell's area, its six border sides around a hexagon's outline, its display
// flags and its place. Closing only hides it, so that it shows the same cell next time.
class EditHexView : public DialogView {
  public:
    EditHexView(frmEditHex& form, const ViewContext& context);

  protected:
    void CloseBox() override;

  private:
    frmEditHex& editHex_;
};

} // namespace dered
