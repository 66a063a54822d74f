#pragma once

#include "forms/OrderEntry.h"
#include "map/AreaFinder.h"
#include "map/Arrows.h"
#include "map/DrawingSurface.h"
#include "map/Geometry.h"
#include "map/Pictures.h"
#include "map/Renderer.h"
#include "map/ViewDamage.h"
#include "orders/Turn.h"
#include "state/OrderKinds.h"
#include "state/Records.h"
#include "ui/Changed.h"
#include "ui/ControlRect.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Mouse.h"
#include "ui/WindowState.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
    // View > "My Areas" (Home): the view over the player's own areas, as a drag would move it.
    void CentreOnOwnAreas();
    // Once after a report opens, the status line tells how to find the own areas.
    void SayHomeShowsOwnAreas();
    // The status text for view point (x, y): the area there, from the records.
    std::string HoverTextAt(float x, float y) const;
    // The search field: every change lists the matching areas in lstFind; Enter goes to the
    // chosen one, else to the first.
    void txtFind_Change();
    void txtFind_Enter();
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

    // The areas that changed since the turn compared carry a mark on the view; none: no marks.
    void ShowChanges(std::vector<int16_t> areas);
    const std::vector<int16_t>& ChangedAreas() const { return changed_; }

    void DrawWholeMap();
    void DrawCell(int col, int row, int dx, int dy);
    void RedrawArea(int16_t area);
    void RefreshView();
    // The view brought up to date after orders changed: only what changed since it was drawn
    // is drawn again, else the whole view as RefreshView does.
    void UpdateView();
    void DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code);
    void AddArrowRecord(int16_t a, int16_t b);
    void RebuildArrows();
    // A new cell size, or hexagons switched on or off: the point under the view's centre stays
    // there, and the picture, the arrows and the view are made afresh.
    void ZoomTo(int16_t cellSize);
    void SwitchHexDisplay(bool on);
    // The mouse wheel and Ctrl+= / Ctrl+-: the cell size steps to the next one the zoom window
    // allows, at once, keeping the map under view point (x, y), or under the view's centre.
    void ZoomStep(int steps, float x, float y);
    void ZoomStep(int steps);

    // Surfaces exist while the window is loaded.
    DrawingSurface* picMap() { return picMap_.get(); }
    DrawingSurface* picView() { return picView_.get(); }
    const MapGeometry& Geometry() const { return geometry_; }
    const ArrowList& Arrows() const { return arrows_; }
    const MapPictures& Pictures() const { return pictures_; }
    // The size the window asks for at load: the map picture and 2 pixels, within the screen.
    int WindowWidth() const { return windowWidth_; }
    int WindowHeight() const { return windowHeight_; }
    int ViewWidth() const { return viewWidth_; }
    int ViewHeight() const { return viewHeight_; }
    float LastX() const { return lastX_; }
    float LastY() const { return lastY_; }
    int16_t LastButton() const { return lastButton_; }
    bool Dragging() const { return dragging_; }

    // What is under the pointer, for the status bar and the tooltip.
    TextModel staHover;
    TextBoxModel txtFind;
    ListBoxModel lstFind;
    int16_t OutlinedArea() const { return outlined_; }

    // The area orders' codes, then "Cancel", which withdraws an order.
    OptionGroupModel optCommand{OrderEntry::OptionCaptions()};
    // The option buttons lie in a row over the top of the view.
    std::array<ControlRect, 12> optCommandRect{};
    // Order entry by mouse and by typing.
    OrderEntry& Entry() { return entry_; }

    // The order field: an order typed as the game master reads it or with area names. Every
    // change lists the completions of the name being typed in lstOrder; Enter enters the order
    // (a text that is no order is said in stbNextClick and stays to be mended).
    TextBoxModel txtOrder;
    ListBoxModel lstOrder;
    void txtOrder_Change();
    void txtOrder_Enter();
    // Edit > "Type an Order" (Ctrl+E): the view puts the keyboard in the order field.
    void TypeOrder();
    ChangeSignal orderFieldWanted;

    // What the next click on the map does; a status bar shows it.
    TextModel stbNextClick;
    // Puts stbNextClick in line with the order being entered and the chosen option.
    void ShowNextClick();
    // "Map", or what says that the turn shown is an earlier one.
    void ShowCaption();

  private:
    MapPainter Painter() const;
    void RunClickCommand(int16_t area);
    int16_t AreaAtLastPoint() const;
    void EndDrag();
    void SizeView(int width, int height);
    // The change, keeping the map point under view point (x, y) there.
    template <typename Change> void Rescale(Change change, int32_t x, int32_t y);
    void ZoomAbout(int16_t cellSize, int32_t x, int32_t y);
    void FollowTurn(const TurnChange& change);
    void RedrawCell(CellRef cell);
    ViewSource Source() const;
    // The picture and what goes over it, in the view; a clip leaves out what lies outside it.
    void DrawView(const PixelRect* clip);
    void MarkOrders(const PixelRect* clip);
    void MarkChanges();
    int16_t OrderedAreaToOutline() const;
    void OutlineOrderedArea();
    struct Colours;
    bool ShowsChangedColour(const Colours& before, int col, int row) const;
    void RedrawChangedColours(const Colours& before);
    void CentreOn(int16_t area);
    void Outline(int16_t area);
    void EndOutline(int serial);

    Records& records_;
    // The turn on screen.
    GameState& Game() const { return records_.documents.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    OrderEntry entry_;
    MapWindows windows_;
    const MapPictures& pictures_;
    MapGeometry geometry_;
    ArrowList arrows_;
    ViewDamage damage_;
    mutable AreaFinder areaFinder_;
    std::unique_ptr<DrawingSurface> picMap_;
    std::unique_ptr<DrawingSurface> picView_;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    int innerWidth_ = 0; // the window's inner size, which the view fills up to the picture
    int innerHeight_ = 0;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    float lastX_ = 0.0f;
    float lastY_ = 0.0f;
    int16_t lastButton_ = 0;
    float dragStartX_ = 0.0f;
    float dragStartY_ = 0.0f;
    bool dragging_ = false;
    int16_t outlined_ = 0;
    int outlineSerial_ = 0;
    int refreshes_ = 0; // RefreshView calls, to know when one has already shown a change
    std::vector<int16_t> changed_;
    bool settingsRead_ = false;
    bool saidNoMatch_ = false;
};

} // namespace dered
