#include "forms/frmZoom.h"

#include "forms/frmMap.h"

#include <algorithm>

namespace dered {

frmZoom::frmZoom(SettingsRecord& settings, frmMap& map)
    : Form("frmZoom", "Zoom map"), settings_(settings), map_(map) {
    AddControl("hsbZoom", &hsbZoom);
}

void frmZoom::Form_Load() {
    const SettingsRecord& settings = settings_;
    const int max = settings.HexDisplay != 0 ? MaxHexCellSize : MaxSquareCellSize;
    hsbZoom.SetMax(max);
    hsbZoom.SetValue(std::clamp<int>(settings.CellSize, MinCellSize, max));
}

void frmZoom::Form_Unload() {
    SettingsRecord& settings = settings_;
    const auto size =
        static_cast<int16_t>(std::clamp(hsbZoom.Value(), hsbZoom.Min(), hsbZoom.Max()));
    if (size == settings.CellSize) {
        return;
    }
    if (map_.IsLoaded()) {
        map_.ZoomTo(size);
    } else {
        // Without a map window the size waits for its next load.
        settings.CellSize = size;
    }
}

} // namespace dered
