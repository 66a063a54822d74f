#pragma once

#include "qt/DialogView.h"

namespace dered {

// frmEditHex: a cell's area, its six border sides around a hexagon's outline, its display
// flags and its place. Closing only hides it, so that it shows the same cell next time.
class EditHexView : public DialogView {
  public:
    EditHexView(Program& program, QtPlatform& platform);

  protected:
    void CloseBox() override;
};

} // namespace dered
