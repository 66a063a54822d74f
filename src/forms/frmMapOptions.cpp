#include "forms/frmMapOptions.h"

#include "map/MapColours.h"

#include <algorithm>
#include <string>

namespace dered {

namespace {

// The design: the first arrow's label over its swatch; the second arrow swatch and the water
// swatch fix the column and row pitches that the rest of the window is laid out on.
constexpr ControlRect kLabelArrow0{16, 8, 72, 16};
constexpr ControlRect kSwatchArrow0{16, 26, 48, 24};
constexpr ControlRect kSwatchArrow1{96, 26, 48, 24};
constexpr ControlRect kSwatchWater{96, 74, 48, 24};
constexpr int kDesignWidth = 336;
// Down to the first row of the colour grid.
constexpr int kDesignHeight = 160;
constexpr int kGridColumns = 4;
// Right of the grid, so that the rows of players beyond the game stay out of sight.
constexpr int kClashWidth = 200;

ControlRect Moved(ControlRect rect, int dx, int dy) {
    rect.left += dx;
    rect.top += dy;
    return rect;
}

} // namespace

frmMapOptions::frmMapOptions(SettingsRecord& settings, const Documents& documents,
                             Platform& platform)
    : Form("frmMapOptions", "Map Options"), settings_(settings), documents_(documents),
      platform_(platform) {
    for (size_t i = 0; i < picArrow.size(); ++i) {
        PlaceAfter(lblArrow[i], picArrow[i]);
        picArrow[i].onClick = [this, i] { picArrow_Click(static_cast<int>(i)); };
    }
    picWater.onClick = [this] { picWater_Click(); };
    picBorders.onClick = [this] { picBorders_Click(); };
    for (size_t i = 0; i < picColour.size(); ++i) {
        PlaceAfter(lblColour[i], picColour[i]);
        picColour[i].onClick = [this, i] { picColour_Click(static_cast<int>(i)); };
    }
}

void frmMapOptions::Form_Load() {
    LayOut();
    const SettingsRecord& settings = settings_;
    const GameState& game = Game();
    for (size_t i = 0; i < picArrow.size(); ++i) {
        picArrow[i].SetColour(settings.ArrowColour[i]);
    }
    picBorders.SetColour(settings.BorderColour);
    picWater.SetColour(settings.WaterColour);
    lblColour[0].SetText("Neutral");
    picColour[0].SetColour(settings.CountryColour[0]);
    // All twelve, whatever the number of players; those below the window stay out of sight.
    for (size_t i = 1; i < picColour.size(); ++i) {
        lblColour[i].SetText(game.Players[i].Abbrev);
        picColour[i].SetColour(settings.CountryColour[i]);
    }
    ShowClashes();
}

void frmMapOptions::LayOut() {
    const int columnPitch = kSwatchArrow1.left - kSwatchArrow0.left;
    const int rowPitch = kSwatchWater.top - kSwatchArrow1.top;
    const auto at = [&](ControlRect design, int column, int row) {
        return Moved(design, column * columnPitch, row * rowPitch);
    };
    Layout& l = layout_;
    for (int i = 0; i < 4; ++i) {
        l.lblArrow[i] = at(kLabelArrow0, i, 0);
        l.picArrow[i] = at(kSwatchArrow0, i, 0);
    }
    l.lblWater = at(kLabelArrow0, 1, 1);
    l.picWater = at(kSwatchArrow0, 1, 1);
    l.lblBorders = at(kLabelArrow0, 2, 1);
    l.picBorders = at(kSwatchArrow0, 2, 1);
    for (int i = 0; i < static_cast<int>(l.picColour.size()); ++i) {
        l.lblColour[i] = at(kLabelArrow0, i % kGridColumns, 2 + i / kGridColumns);
        l.picColour[i] = at(kSwatchArrow0, i % kGridColumns, 2 + i / kGridColumns);
    }
    const int players = std::clamp<int>(Game().PlayerCount, 0, MaxPlayer);
    l.height = kDesignHeight + (players / kGridColumns) * rowPitch;
    l.lblClash = {kDesignWidth, kLabelArrow0.top, kClashWidth - kLabelArrow0.left,
                  l.height - 2 * kLabelArrow0.top};
    l.width = kDesignWidth + kClashWidth;
}

void frmMapOptions::ChooseInto(SwatchModel& swatch, int32_t& field) {
    const int32_t colour = platform_.ChooseColour(field);
    swatch.SetColour(colour);
    const bool changed = field != colour;
    field = colour;
    if (changed) {
        coloursChanged.Raise();
    }
}

// A notice, not a refusal: the player may mean it, e.g. for allies.
void frmMapOptions::ShowClashes() {
    lblClash.SetText(SameColourNotice(settings_, Game()));
}

void frmMapOptions::picArrow_Click(int Index) {
    if (Index >= 0 && Index < static_cast<int>(picArrow.size())) {
        ChooseInto(picArrow[Index], settings_.ArrowColour[Index]);
    }
}

void frmMapOptions::picWater_Click() {
    ChooseInto(picWater, settings_.WaterColour);
    ShowClashes();
}

void frmMapOptions::picBorders_Click() {
    ChooseInto(picBorders, settings_.BorderColour);
}

void frmMapOptions::picColour_Click(int Index) {
    if (Index >= 0 && Index < static_cast<int>(picColour.size())) {
        ChooseInto(picColour[Index], settings_.CountryColour[Index]);
        ShowClashes();
    }
}

} // namespace dered
