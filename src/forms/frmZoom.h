#pragma once

#include "map/Geometry.h"
#include "state/SettingsRecord.h"
#include "ui/Control.h"
#include "ui/ControlRect.h"
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

    // The cell size `steps` steps of the scroll bar away from the current one, within its limits.
    [[nodiscard]] static int16_t SteppedSize(const SettingsRecord& settings, int steps);

    DERED_CONTROL(ScrollBarModel, hsbZoom, MinCellSize, MaxHexCellSize, MinCellSize);
    // What the scroll bar does, and the quicker ways on the map.
    DERED_CONTROL(TextModel, lblZoom);

    // Where the dialog sits, relative to the map window's top-left corner: over the map,
    // below the row of option buttons.
    static constexpr ControlRect placement{40, 40, 300, 110};

  private:
    SettingsRecord& settings_;
    frmMap& map_;
};

} // namespace dered
