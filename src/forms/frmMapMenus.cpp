// The main window's map menu items and the hex editor opened from the map.
#include "forms/frmMap.h"

#include "forms/frmEditHex.h"
#include "forms/frmMapOptions.h"
#include "forms/frmUnitDisplay.h"
#include "forms/frmWinQZ.h"
#include "forms/frmZoom.h"
#include "state/CodeTables.h"

#include <array>

namespace dered {

namespace {

// Owners outside 0..12 are drawn in the neutral colour.
int OwnerIndex(int16_t owner) {
    return owner >= 0 && owner <= MaxPlayer ? owner : 0;
}

} // namespace

// The colours a cell can be drawn in that the map options dialog changes.
struct frmMap::Colours {
    int32_t border = 0;
    int32_t water = 0;
    std::array<int32_t, 13> country{};

    explicit Colours(const SettingsRecord& settings)
        : border(settings.BorderColour), water(settings.WaterColour),
          country(settings.CountryColour) {}
};

void frmMap::RedrawCell(CellRef cell) {
    DrawCell(cell.col, cell.row, 0, 0);
    DrawCell(cell.col, cell.row, WrapOffset(Geometry()), 0);
    RefreshView();
}

// Whether the cell shows a colour that changed: its fill, or the patch behind a unit, which
// is in the unit owner's colour.
bool frmMap::ShowsChangedColour(const Colours& before, int col, int row) const {
    const SettingsRecord& now = records_.settings;
    const int16_t n = records_.hexMap.At(col, row).Area;
    if (n < 0 || n > MaxArea) {
        return before.country[0] != now.CountryColour[0];
    }
    const AreaRecord& area = Game().Areas[n];
    const auto changed = [&](int16_t owner) {
        const int i = OwnerIndex(owner);
        return before.country[i] != now.CountryColour[i];
    };
    if (area.UnitKind > 0 && changed(area.UnitOwner)) {
        return true;
    }
    if (area.Terrain == Water) {
        return before.water != now.WaterColour;
    }
    return area.Terrain != NoEntry && changed(area.Owner);
}

void frmMap::RedrawChangedColours(const Colours& before) {
    if (!IsLoaded()) {
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    if (before.border != records_.settings.BorderColour) {
        DrawWholeMap();
    } else {
        for (int row = 1; row <= MapRows; ++row) {
            for (int col = 1; col <= MapColumns; ++col) {
                if (ShowsChangedColour(before, col, row)) {
                    DrawCell(col, row, 0, 0);
                }
            }
        }
        const int wrap = WrapOffset(Geometry());
        for (int row = 1; row <= MapRows; ++row) {
            if (ShowsChangedColour(before, 1, row)) {
                DrawCell(1, row, wrap, 0);
            }
        }
    }
    RefreshView();
    platform_.SetPointer(Pointer::Default);
}

void frmMap::EditCell(CellRef cell) {
    frmEditHex& editor = windows_.editHex;
    // The editor is modal: a second request while it is open has nothing to add.
    if (editor.IsVisible()) {
        return;
    }
    forms_.EnsureLoaded(editor);
    editor.FillFromCell(cell);
    forms_.Show(editor, Modality::Modal, [this, cell] { RedrawCell(cell); });
}

void frmMap::mnuEditHex_Click() {
    frmEditHex& editor = windows_.editHex;
    // An edit made here must show on the map as one made from the map does.
    forms_.Show(editor, Modality::Modal, [this, &editor] {
        if (const auto cell = editor.HeldCell()) {
            RedrawCell(*cell);
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
    forms_.Show(windows_.zoom, Modality::Modal, [this] { RefreshView(); });
}

void frmMap::ZoomStep(int steps, float x, float y) {
    // Pointer positions are whole view pixels; a fraction only comes from a scaled screen.
    ZoomAbout(frmZoom::SteppedSize(records_.settings, steps), static_cast<int32_t>(x),
              static_cast<int32_t>(y));
}

void frmMap::ZoomStep(int steps) {
    ZoomAbout(frmZoom::SteppedSize(records_.settings, steps), viewWidth_ / 2, viewHeight_ / 2);
}

void frmMap::mnuMapColors_Click() {
    const Colours before(records_.settings);
    forms_.Show(windows_.mapOptions, Modality::Modal,
                [this, before] { RedrawChangedColours(before); });
}

void frmMap::mnuTypeofUnitDisplay_Click() {
    forms_.Show(windows_.unitDisplay, Modality::Modal);
}

} // namespace dered
