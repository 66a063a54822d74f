#include "forms/frmZoom.h"

#include "app/Program.h"

#include <algorithm>

namespace dered {

frmZoom::frmZoom(Program& program) : Form("frmZoom", "Zoom map"), program_(program) {
    AddControl("hsbZoom", &hsbZoom);
}

void frmZoom::Form_Load() {
    const SettingsRecord& settings = program_.records.settings;
    const int max = settings.HexDisplay != 0 ? MaxHexCellSize : MaxSquareCellSize;
    hsbZoom.SetMax(max);
    hsbZoom.SetValue(std::clamp<int>(settings.CellSize, MinCellSize, max));
}

void frmZoom::Form_Unload() {
    SettingsRecord& settings = program_.records.settings;
    const auto size =
        static_cast<int16_t>(std::clamp(hsbZoom.Value(), hsbZoom.Min(), hsbZoom.Max()));
    if (size == settings.CellSize) {
        return;
    }
    if (program_.map.IsLoaded()) {
        program_.map.ZoomTo(size);
    } else {
        // Without a map window the size waits for its next load.
        settings.CellSize = size;
    }
}

} // namespace dered
