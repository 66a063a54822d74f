#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/ControlRect.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/Mouse.h"
#include "ui/Platform.h"

#include <array>
#include <cstdint>

namespace dered {

class frmMap;

inline constexpr int16_t UnitPictures = 0;
inline constexpr int16_t UnitSymbols = 4;

// Chooses whether the map draws units as pictures or as symbols.
class frmUnitDisplay : public Form {
  public:
    frmUnitDisplay(Documents& documents, Platform& platform, FormManager& forms, frmMap& map);

    void cmdPicture_Click();
    void cmdSymbol_Click();
    // Redraws the map with the chosen kind of unit image and closes the dialog.
    void ApplyUnitDisplay();

    DERED_CONTROL(TextModel, Label1, "Army    Corps   Fleet   Squadron");
    DERED_CONTROL(ButtonModel, cmdPicture, "Picture");
    DERED_CONTROL(ButtonModel, cmdSymbol, "Symbol");

    // Design places of the four pictures and, below them, the four symbols, one under each
    // word of the heading; each image is 32 x 16.
    static constexpr std::array<ControlRect, 4> picUnitRect{{
        {8, 28, 32, 16},
        {64, 28, 32, 16},
        {120, 28, 32, 16},
        {176, 28, 32, 16},
    }};
    static constexpr std::array<ControlRect, 4> picUnitSymbolRect{{
        {8, 56, 32, 16},
        {64, 56, 32, 16},
        {120, 56, 32, 16},
        {176, 56, 32, 16},
    }};

  private:
    void Choose(int16_t mode);

    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    frmMap& map_;
};

} // namespace dered
