#pragma once

#include "map/Geometry.h"
#include "ui/ControlRect.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Mouse.h"

namespace dered {

class Program;

// The zoom dialog: a scroll bar for the cell size, applied when the dialog closes.
class frmZoom : public Form {
  public:
    explicit frmZoom(Program& program);

    void Form_Load() override;
    void Form_Unload() override;

    ScrollBarModel hsbZoom{MinCellSize, MaxHexCellSize, MinCellSize};

    // Where the dialog sits, relative to the map window's top-left corner: over the map,
    // below the row of option buttons.
    static constexpr ControlRect placement{40, 40, 280, 64};

  private:
    Program& program_;
};

} // namespace dered
