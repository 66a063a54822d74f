#pragma once

#include "state/SettingsRecord.h"
#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/ControlRect.h"
#include "ui/Form.h"
#include "ui/Mouse.h"
#include "ui/Platform.h"
#include "ui/SwatchModel.h"

#include <array>

namespace dered {

// The map colours: one swatch per colour; a click on a swatch opens the colour chooser and
// the colour chosen takes effect in the settings at once.
class frmMapOptions : public Form {
  public:
    frmMapOptions(SettingsRecord& settings, const Documents& documents, Platform& platform);

    void Form_Load() override;
    void picArrow_Click(int Index);
    void picWater_Click();
    void picBorders_Click();
    void picColour_Click(int Index);

    DERED_CONTROLS(TextModel, 4, lblArrow,
                   {TextModel("CO Arrow"), TextModel("MO Arrow"), TextModel("SA Arrow"),
                    TextModel("SD Arrow")});
    DERED_CONTROLS(SwatchModel, 4, picArrow);
    DERED_CONTROL(TextModel, lblWater, "Water");
    DERED_CONTROL(SwatchModel, picWater);
    DERED_CONTROL(TextModel, lblBorders, "Borders");
    DERED_CONTROL(SwatchModel, picBorders);
    // 0 the neutral colour, 1..12 the players'.
    DERED_CONTROLS(TextModel, 13, lblColour);
    DERED_CONTROLS(SwatchModel, 13, picColour);
    // Which fills share a colour, beside the swatches; empty when the map tells all apart.
    DERED_CONTROL(TextModel, lblClash);

    // Where the load put every control, in pixels from the window's top-left corner, and the
    // window's inner size.
    struct Layout {
        std::array<ControlRect, 4> lblArrow{};
        std::array<ControlRect, 4> picArrow{};
        ControlRect lblWater, picWater, lblBorders, picBorders;
        std::array<ControlRect, 13> lblColour{};
        std::array<ControlRect, 13> picColour{};
        ControlRect lblClash;
        int width = 0;
        int height = 0;
    };
    const Layout& Positions() const { return layout_; }

    // Raised when a colour is chosen that differs from the one before.
    ChangeSignal coloursChanged;

  private:
    void LayOut();
    // Opens the chooser on the field's colour; the swatch and the field take what comes back.
    void ChooseInto(SwatchModel& swatch, int32_t& field);
    void ShowClashes();

    SettingsRecord& settings_;
    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    Layout layout_;
};

} // namespace dered
