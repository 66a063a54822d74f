#include "forms/frmZoom.h"

#include "forms/frmMap.h"

#include <algorithm>

namespace dered {

frmZoom::frmZoom(SettingsRecord& settings, frmMap& map)
    : Form("frmZoom", "Zoom map"), settings_(settings), map_(map) {
    lblZoom.SetText("The size of the map cells; it applies when this window closes. On the "
                    "map, the mouse wheel and Ctrl+= / Ctrl+- zoom at once.");
}

namespace {

int MaxCellSize(const SettingsRecord& settings) {
    return settings.HexDisplay != 0 ? MaxHexCellSize : MaxSquareCellSize;
}

} // namespace

int16_t frmZoom::SteppedSize(const SettingsRecord& settings, int steps) {
    return static_cast<int16_t>(std::clamp(settings.CellSize + steps, static_cast<int>(MinCellSize),
                                           MaxCellSize(settings)));
}

void frmZoom::Form_Load() {
    const SettingsRecord& settings = settings_;
    const int max = MaxCellSize(settings);
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
