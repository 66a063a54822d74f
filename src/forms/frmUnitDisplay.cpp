#include "forms/frmUnitDisplay.h"

#include "forms/frmMap.h"

namespace dered {

frmUnitDisplay::frmUnitDisplay(Documents& documents, Platform& platform, FormManager& forms,
                               frmMap& map)
    : Form("frmUnitDisplay", "Unit Display"), documents_(documents), platform_(platform),
      forms_(forms), map_(map) {
    cmdPicture.onClick = [this] { cmdPicture_Click(); };
    cmdSymbol.onClick = [this] { cmdSymbol_Click(); };
}

void frmUnitDisplay::cmdPicture_Click() {
    Choose(UnitPictures);
}

void frmUnitDisplay::cmdSymbol_Click() {
    Choose(UnitSymbols);
}

// Choosing what is already shown leaves the dialog open and draws nothing.
void frmUnitDisplay::Choose(int16_t mode) {
    int16_t& current = Game().UnitDisplayMode;
    if (current != mode) {
        current = mode;
        ApplyUnitDisplay();
    }
}

void frmUnitDisplay::ApplyUnitDisplay() {
    platform_.SetPointer(Pointer::Hourglass);
    map_.canvas.DrawWholeMap();
    map_.canvas.RefreshView();
    platform_.SetPointer(Pointer::Default);
    forms_.Unload(*this);
}

} // namespace dered
