#pragma once

#include "map/Geometry.h"
#include "state/HexMap.h"
#include "ui/Control.h"
#include "ui/ControlRect.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/Mouse.h"

#include <array>
#include <optional>

namespace dered {

// The hex editor: which area a cell belongs to, its border sides and what it shows. The window
// is hidden rather than discarded, so it shows the last cell again when reopened.
class frmEditHex : public Form {
  public:
    frmEditHex(HexMap& hexMap, FormManager& forms);

    // Takes the cell's area, borders and display flags into the controls.
    void FillFromCell(CellRef cell);
    void cmdOK_Click();
    // The cell the labels name, once the editor has been filled from one.
    std::optional<CellRef> HeldCell() const;

    DERED_CONTROL(TextModel, lblArea, "Area");
    DERED_CONTROL(TextBoxModel, txtArea);
    DERED_CONTROL(TextModel, Label1, "Borders");
    // Sides 1..6 (N, NE, SE, S, SW, NW) at indices 0..5, as in the hex map, and named so.
    DERED_CONTROLS(CheckBoxModel, 6, chkBorder,
                   {CheckBoxModel("N"), CheckBoxModel("NE"), CheckBoxModel("SE"),
                    CheckBoxModel("S"), CheckBoxModel("SW"), CheckBoxModel("NW")},
                   1);
    DERED_CONTROL(TextModel, Label2, "Display");
    DERED_CONTROLS(CheckBoxModel, 3, chkDisplay,
                   {CheckBoxModel("ID"), CheckBoxModel("Info"), CheckBoxModel("Supply")});
    DERED_CONTROL(TextModel, lblX, "x");
    DERED_CONTROL(TextModel, lblY, "y");
    DERED_CONTROL(ButtonModel, cmdOK, "OK");

    // Design places, in pixels from the window's top-left corner: each border box lies beside
    // its side of the hexagon outline drawn between them.
    static constexpr ControlRect hexagonRect{80, 64, 80, 70};
    static constexpr std::array<ControlRect, 6> chkBorderRect{{
        {100, 38, 48, 20},  // N
        {164, 70, 48, 20},  // NE
        {164, 108, 48, 20}, // SE
        {100, 140, 48, 20}, // S
        {28, 108, 48, 20},  // SW
        {28, 70, 48, 20},   // NW
    }};

  private:
    HexMap& hexMap_;
    FormManager& forms_;
};

} // namespace dered
