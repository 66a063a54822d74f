#pragma once

#include "forms/MapCanvas.h"
#include "forms/MapFields.h"
#include "forms/OrderEntry.h"
#include "state/Records.h"
#include "ui/Changed.h"
#include "ui/Control.h"
#include "ui/ControlRect.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Mouse.h"
#include "ui/WindowState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dered {

class frmEditHex;
class frmGrantAccess;
class frmMapOptions;
class frmSpy;
class frmUnitDisplay;
class frmWinQZ;
class frmZoom;

// The windows the map window opens, or writes to while they are open.
struct MapWindows {
    frmWinQZ& winQZ; // the settings file, the "Hex map" tick, the area grid
    frmEditHex& editHex;
    frmZoom& zoom;
    frmMapOptions& mapOptions;
    frmUnitDisplay& unitDisplay;
    frmSpy& spy;                 // takes map clicks while spying
    frmGrantAccess& grantAccess; // takes map clicks while granting access
};

// The map window: the map picture, the view on it, and order entry with the mouse.
class frmMap : public Form {
  public:
    frmMap(Records& records, Platform& platform, FormManager& forms, TurnEvents& events,
           SupportedPlayerQuestion& supportedPlayer, MapWindows windows);

    void Form_Load() override;
    void Form_Unload() override;
    // The window's inner size changed; only a window in its normal state resizes the view.
    void Form_Resize(int innerWidth, int innerHeight, WindowState state = WindowState::Normal);

    void picView_MouseDown(int16_t button, int16_t shift, float x, float y);
    void picView_MouseMove(int16_t button, int16_t shift, float x, float y);
    // Releasing the right button ends the drag and drops the view where the mouse is.
    void picView_MouseUp(int16_t button, int16_t shift, float x, float y);
    void picView_Click();
    void picView_DblClick();
    // Esc: the order being entered is dropped before its target is clicked.
    void CancelEntry();
    void picView_DragDrop(float x, float y, DragSource source = DragSource::PictureBox);
    // (x, y) inside the button.
    void optCommand_DragDrop(int index, float x, float y,
                             DragSource source = DragSource::PictureBox);
    // Delivers the drop of a drag released at view point (x, y) to the control there: an
    // option button, the view, or nothing (the map stays, the drag mode ends).
    void DropAt(float x, float y);
    void ScrollGridToArea(int16_t area);
    // Selects the area's grid row and scrolls the grid to it; with the window open, centres the
    // view on the area (across the east-west seam) and outlines it for a moment.
    void GoToArea(int16_t area);
    // Once after a report opens, the status line tells how to find the own areas.
    void SayHomeShowsOwnAreas();
    // The status text for view point (x, y): the area there, from the records.
    std::string HoverTextAt(float x, float y) const;
    // Opens the hex editor on the cell under the mouse.
    void EditCellAtPoint();
    // Fills the hex editor from the cell and shows it; when it closes, the cell is drawn afresh
    // at both edges of the map picture and the view refreshed.
    void EditCell(CellRef cell);

    // The main window's menu items that change the map or the way it is drawn.
    void mnuEditHex_Click();
    void mnuHex_Click();
    void mnuZoom_Click();
    void mnuMapColors_Click();
    void mnuTypeofUnitDisplay_Click();

    // A new cell size, or hexagons switched on or off, about the view's centre.
    void ZoomTo(int16_t cellSize);
    void SwitchHexDisplay(bool on);
    // The mouse wheel and Ctrl+= / Ctrl+-: the cell size steps to the next one the zoom window
    // allows, at once, keeping the map under view point (x, y), or under the view's centre.
    void ZoomStep(int steps, float x, float y);
    void ZoomStep(int steps);

    float LastX() const { return pointer_.x; }
    float LastY() const { return pointer_.y; }
    int16_t LastButton() const { return lastButton_; }
    bool Dragging() const { return dragStart_.has_value(); }

    // The map picture and the view on it.
    MapCanvas canvas;
    // The area orders' codes, then "Cancel", which withdraws an order.
    DERED_CONTROL(OptionGroupModel, optCommand, OrderEntry::OptionCaptions());
    // The option buttons lie in a row over the top of the view.
    std::array<ControlRect, 12> optCommandRect{};
    // Order entry by mouse and by typing.
    OrderEntry& Entry() { return entry_; }

    // What the next click on the map does; a status bar shows it.
    DERED_CONTROL(TextModel, stbNextClick);
    // Puts stbNextClick in line with the order being entered and the chosen option.
    void ShowNextClick();
    // "Map", or what says that the turn shown is an earlier one.
    void ShowCaption();

    // What is under the pointer, for the status bar and the tooltip.
    DERED_CONTROL(TextModel, staHover);
    // The search and order fields.
    MapFields fields;

  private:
    void RunClickCommand(int16_t area);
    void EndDrag();
    void FollowTurn(const TurnChange& change);

    Records& records_;
    // The turn on screen.
    GameState& Game() const { return records_.documents.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    OrderEntry entry_;
    MapWindows windows_;
    // A place on the view, in view pixels.
    struct ViewPoint {
        float x = 0.0f;
        float y = 0.0f;
    };
    ViewPoint pointer_; // where the pointer was last
    int16_t lastButton_ = 0;
    std::optional<ViewPoint> dragStart_; // while the view is dragged
    bool settingsRead_ = false;
};

} // namespace dered
