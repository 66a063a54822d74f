#pragma once

#include "ui/Controls.h"

#include <cstdint>

namespace dered {

// A clickable patch of colour: a button to the scripts and views that click it, with the
// colour it shows (0x00BBGGRR).
class SwatchModel : public ButtonModel {
  public:
    int32_t Colour() const { return colour_; }
    void SetColour(int32_t colour) { Update(colour_, colour); }

  private:
    int32_t colour_ = 0;
};

} // namespace dered
