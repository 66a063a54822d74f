#pragma once

#include "map/Geometry.h"
#include "state/SettingsRecord.h"
#include "ui/ControlRect.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Mouse.h"

namespace dered {

class frmMap;

// The zoom dialog: a scroll bar for the cell size, applied when the dialog closes.
class frmZoom : public Form {
  public:
    frmZoom(SettingsRecord& settings, frmMap& map);

    void Form_Load() override;
    void Form_Unload() override;

    ScrollBarModel hsbZoom{MinCellSize, MaxHexCellSize, MinCellSize};

    // Where the dialog sits, relative to the map window's top-left corner: over the map,
    // below the row of option buttons.
    static constexpr ControlRect placement{40, 40, 280, 64};

  private:
    SettingsRecord& settings_;
    frmMap& map_;
};

} // namespace dered
