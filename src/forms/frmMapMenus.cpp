#include "forms/frmMapMenus.h"

#include "app/Program.h"

#include <array>

namespace dered {

namespace {

void RedrawCell(Program& program, CellRef cell) {
    frmMap& map = program.map;
    map.DrawCell(cell.col, cell.row, 0, 0);
    map.DrawCell(cell.col, cell.row, WrapOffset(map.Geometry()), 0);
    map.RefreshView();
}

// The colours a cell can be drawn in that the map options dialog changes.
struct MapColours {
    int32_t border = 0;
    int32_t water = 0;
    std::array<int32_t, 13> country{};

    explicit MapColours(const SettingsRecord& settings)
        : border(settings.BorderColour), water(settings.WaterColour),
          country(settings.CountryColour) {}
};

// Owners outside 0..12 are drawn in the neutral colour.
int OwnerIndex(int16_t owner) {
    return owner >= 0 && owner <= MaxPlayer ? owner : 0;
}

// Whether the cell shows a colour that changed: its fill, or the patch behind a unit, which
// is in the unit owner's colour.
bool ShowsChangedColour(const Program& program, const MapColours& before, int col, int row) {
    const SettingsRecord& now = program.records.settings;
    const int16_t n = program.records.hexMap.At(col, row).Area;
    if (n < 0 || n > MaxArea) {
        return before.country[0] != now.CountryColour[0];
    }
    const AreaRecord& area = program.records.game.Areas[n];
    const auto changed = [&](int16_t owner) {
        const int i = OwnerIndex(owner);
        return before.country[i] != now.CountryColour[i];
    };
    if (area.UnitKind > 0 && changed(area.UnitOwner)) {
        return true;
    }
    if (area.Terrain == 3) {
        return before.water != now.WaterColour;
    }
    return area.Terrain != 4 && changed(area.Owner);
}

void RedrawChangedColours(Program& program, const MapColours& before) {
    frmMap& map = program.map;
    if (!map.IsLoaded()) {
        return;
    }
    program.platform.SetPointer(Pointer::Hourglass);
    if (before.border != program.records.settings.BorderColour) {
        map.DrawWholeMap();
    } else {
        for (int row = 1; row <= MapRows; ++row) {
            for (int col = 1; col <= MapColumns; ++col) {
                if (ShowsChangedColour(program, before, col, row)) {
                    map.DrawCell(col, row, 0, 0);
                }
            }
        }
        const int wrap = WrapOffset(map.Geometry());
        for (int row = 1; row <= MapRows; ++row) {
            if (ShowsChangedColour(program, before, 1, row)) {
                map.DrawCell(1, row, wrap, 0);
            }
        }
    }
    map.RefreshView();
    program.platform.SetPointer(Pointer::Default);
}

} // namespace

void EditCell(Program& program, CellRef cell) {
    frmEditHex& editor = program.editHex;
    // The editor is modal: a second request while it is open has nothing to add.
    if (editor.IsVisible()) {
        return;
    }
    program.forms.EnsureLoaded(editor);
    editor.FillFromCell(cell);
    program.forms.Show(editor, Modality::Modal, [&program, cell] { RedrawCell(program, cell); });
}

void mnuEditHex_Click(Program& program) {
    frmEditHex& editor = program.editHex;
    // An edit made here must show on the map as one made from the map does.
    program.forms.Show(editor, Modality::Modal, [&program, &editor] {
        if (const auto cell = editor.HeldCell()) {
            RedrawCell(program, *cell);
        }
    });
}

void mnuHex_Click(Program& program) {
    SettingsRecord& settings = program.records.settings;
    program.platform.SetPointer(Pointer::Hourglass);
    const bool on = settings.HexDisplay == 0;
    if (program.map.IsLoaded()) {
        program.map.SwitchHexDisplay(on);
    } else {
        // The map window builds its tables from the settings when it next loads.
        MapGeometry geometry;
        SetHexDisplayMode(settings, geometry, on);
    }
    program.winQZ.mnuHex.SetChecked(settings.HexDisplay != 0);
    program.platform.SetPointer(Pointer::Default);
}

void mnuZoom_Click(Program& program) {
    program.forms.Show(program.zoom, Modality::Modal, [&program] { program.map.RefreshView(); });
}

void mnuMapColors_Click(Program& program) {
    const MapColours before(program.records.settings);
    program.forms.Show(program.mapOptions, Modality::Modal,
                       [&program, before] { RedrawChangedColours(program, before); });
}

void mnuTypeofUnitDisplay_Click(Program& program) {
    program.forms.Show(program.unitDisplay, Modality::Modal);
}

} // namespace dered
