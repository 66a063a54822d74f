#include "forms/frmUnitDisplay.h"

#include "app/Program.h"

namespace dered {

frmUnitDisplay::frmUnitDisplay(Program& program)
    : Form("frmUnitDisplay", "Unit Display"), program_(program) {
    AddControl("Label1", &Label1);
    AddControl("cmdPicture", &cmdPicture);
    AddControl("cmdSymbol", &cmdSymbol);
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
    int16_t& current = program_.records.game.UnitDisplayMode;
    if (current != mode) {
        current = mode;
        ApplyUnitDisplay();
    }
}

void frmUnitDisplay::ApplyUnitDisplay() {
    program_.platform.SetPointer(Pointer::Hourglass);
    program_.map.DrawWholeMap();
    program_.map.RefreshView();
    program_.platform.SetPointer(Pointer::Default);
    program_.forms.Unload(*this);
}

} // namespace dered
