#include "forms/frmMap.h"

#include "desk/HoverText.h"
#include "forms/OrderGuide.h"
#include "forms/frmWinQZ.h"

#include <algorithm>

namespace dered {

namespace {

constexpr int kButtonLeft = 4;
constexpr int kButtonTop = 4;
constexpr int kButtonWidth = 32;
constexpr int kCancelWidth = 52;
constexpr int kButtonHeight = 20;
constexpr int kButtonGap = 2;

std::array<ControlRect, 12> OptionButtonRow() {
    std::array<ControlRect, 12> rects{};
    int left = kButtonLeft;
    for (size_t i = 0; i < rects.size(); ++i) {
        const int width = i + 1 == rects.size() ? kCancelWidth : kButtonWidth;
        rects[i] = {left, kButtonTop, width, kButtonHeight};
        left += width + kButtonGap;
    }
    return rects;
}

} // namespace

frmMap::frmMap(Records& records, Platform& platform, FormManager& forms, TurnEvents& events,
               SupportedPlayerQuestion& supportedPlayer, MapWindows windows)
    : Form("frmMap", "Map"), canvas(records, platform), optCommandRect(OptionButtonRow()),
      fields(*this, records.documents, forms), records_(records), platform_(platform),
      forms_(forms), entry_(records.documents, events, platform, supportedPlayer),
      windows_(windows) {
    // One control for the whole row: exactly one of its buttons is chosen at a time.
    std::vector<std::string> tips;
    for (size_t i = 0; i < optCommand.Captions().size(); ++i) {
        tips.push_back(OrderTooltip(i));
    }
    optCommand.SetToolTips(std::move(tips));
    optCommand.Subscribe([this](const Changed&) { ShowNextClick(); });
    events.Subscribe([this](const TurnChange& change) { FollowTurn(change); });
}

// The changed areas are drawn anew on the picture, then the view where it changed.
void frmMap::FollowTurn(const TurnChange& change) {
    if (change.areas.empty()) {
        return;
    }
    for (int16_t area : change.areas) {
        canvas.RedrawArea(area);
    }
    canvas.UpdateView();
    ShowNextClick();
}

void frmMap::ShowCaption() {
    caption.SetText(MapCaption(records_.documents.Shown()));
}

void frmMap::ShowNextClick() {
    stbNextClick.SetText(NextClickText(records_.documents.Shown(),
                                       static_cast<size_t>(std::max(optCommand.Chosen(), 0))));
}

void frmMap::Form_Load() {
    // Read again at the first load only: a merge reloads this window, and the colours, cell
    // size and position chosen since start-up are the player's.
    if (!settingsRead_) {
        windows_.winQZ.LoadSettingsFile();
        settingsRead_ = true;
    }
    ShowCaption();
    // A fresh window starts with the move chosen: moves are the orders entered most.
    optCommand.Choose(0);
    lastButton_ = 0;
    dragStart_.reset();
    canvas.Load();
    ShowNextClick();
}

void frmMap::Form_Unload() {
    canvas.Unload();
    dragStart_.reset();
}

void frmMap::Form_Resize(int innerWidth, int innerHeight, WindowState state) {
    if (state == WindowState::Normal) {
        canvas.Resize(innerWidth, innerHeight);
    }
}

void frmMap::ZoomTo(int16_t cellSize) {
    canvas.ZoomAbout(cellSize, canvas.ViewWidth() / 2, canvas.ViewHeight() / 2);
}

void frmMap::SwitchHexDisplay(bool on) {
    canvas.SwitchHexDisplay(on);
    windows_.winQZ.mnuHex.SetChecked(records_.settings.HexDisplay != 0);
}

std::string frmMap::HoverTextAt(float x, float y) const {
    if (!canvas.Loaded()) {
        return {};
    }
    const int16_t area = canvas.AreaAt(x, y);
    std::string text = HoverText(Game(), area, records_.documents.Shown().allies);
    if (canvas.ReachShown() && !text.empty()) {
        text += "; " + ReachHoverText(Game(), ReachMap(Game()), area);
    }
    return text;
}

void frmMap::GoToArea(int16_t area) {
    if (area < 1 || area > MaxArea) {
        return;
    }
    GameState& game = Game();
    windows_.winQZ.grdArea.SetRow(area);
    // An order being entered keeps the area it is for.
    if (game.PendingCommand == MapCommand::None) {
        game.SelectedArea = area;
    }
    ScrollGridToArea(area);
    canvas.GoTo(area);
}

void frmMap::SayHomeShowsOwnAreas() {
    if (canvas.Loaded()) {
        stbNextClick.SetText(stbNextClick.Text() + "  Home shows your own areas.");
    }
}

} // namespace dered
