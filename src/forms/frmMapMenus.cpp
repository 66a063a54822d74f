// The main window's map menu items and the hex editor opened from the map.
#include "forms/frmMap.h"

#include "forms/frmEditHex.h"
#include "forms/frmMapOptions.h"
#include "forms/frmUnitDisplay.h"
#include "forms/frmWinQZ.h"
#include "forms/frmZoom.h"

namespace dered {

void frmMap::EditCell(CellRef cell) {
    frmEditHex& editor = windows_.editHex;
    // The editor is modal: a second request while it is open has nothing to add.
    if (editor.IsVisible()) {
        return;
    }
    forms_.EnsureLoaded(editor);
    editor.FillFromCell(cell);
    forms_.Show(editor, Modality::Modal, [this, cell] { canvas.RedrawCell(cell); });
}

void frmMap::mnuEditHex_Click() {
    frmEditHex& editor = windows_.editHex;
    // An edit made here must show on the map as one made from the map does.
    forms_.Show(editor, Modality::Modal, [this, &editor] {
        if (const auto cell = editor.HeldCell()) {
            canvas.RedrawCell(*cell);
        }
    });
}

void frmMap::mnuHex_Click() {
    SettingsRecord& settings = records_.settings;
    platform_.SetPointer(Pointer::Hourglass);
    const bool on = settings.HexDisplay == 0;
    if (IsLoaded()) {
        SwitchHexDisplay(on);
    } else {
        // The map window builds its tables from the settings when it next loads.
        MapGeometry geometry;
        SetHexDisplayMode(settings, geometry, on);
    }
    windows_.winQZ.mnuHex.SetChecked(settings.HexDisplay != 0);
    platform_.SetPointer(Pointer::Default);
}

void frmMap::mnuZoom_Click() {
    forms_.Show(windows_.zoom, Modality::Modal, [this] { canvas.RefreshView(); });
}

void frmMap::ZoomStep(int steps, float x, float y) {
    // Pointer positions are whole view pixels; a fraction only comes from a scaled screen.
    canvas.ZoomAbout(frmZoom::SteppedSize(records_.settings, steps), static_cast<int32_t>(x),
                     static_cast<int32_t>(y));
}

void frmMap::ZoomStep(int steps) {
    ZoomTo(frmZoom::SteppedSize(records_.settings, steps));
}

void frmMap::mnuMapColors_Click() {
    const ChangeableColours before(records_.settings);
    forms_.Show(windows_.mapOptions, Modality::Modal,
                [this, before] { canvas.RedrawChangedColours(before); });
}

void frmMap::mnuTypeofUnitDisplay_Click() {
    forms_.Show(windows_.unitDisplay, Modality::Modal);
}

} // namespace dered
