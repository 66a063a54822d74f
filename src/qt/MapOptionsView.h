#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmMapOptions;

class SwatchModel;
struct ControlRect;

// frmMapOptions: a swatch under each colour's name, at the places the form lays out on its
// four-column grid; the window is as high as the form says, rows below it out of sight.
class MapOptionsView : public DialogView {
  public:
    MapOptionsView(frmMapOptions& form, const ViewContext& context);

  private:
    frmMapOptions& mapOptions_;
    void PlaceSwatch(Control<TextModel>& label, const ControlRect& labelRect,
                     Control<SwatchModel>& swatch, const ControlRect& swatchRect);
};

} // namespace dered
