#pragma once

#include "map/AreaFinder.h"
#include "map/Arrows.h"
#include "map/DrawingSurface.h"
#include "map/Geometry.h"
#include "map/MapColours.h"
#include "map/Pictures.h"
#include "map/Renderer.h"
#include "map/ViewDamage.h"
#include "state/Records.h"
#include "ui/Platform.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace dered {

// The map window's pictures: the whole map, drawn once and kept up to date cell by cell, and the
// view the window shows, the map with the orders, marks and outlines over it. The pictures
// exist while the window is loaded; drawing before that does nothing.
class MapCanvas {
  public:
    MapCanvas(Records& records, Platform& platform);

    // Makes the pictures for the settings' cell size, with a window that fits the screen.
    void Load();
    void Unload();
    bool Loaded() const { return picView_ != nullptr; }
    // The view fills the window's inner size but never shows more than the map picture.
    void Resize(int innerWidth, int innerHeight);

    // A new cell size, or hexagons switched on or off: the map under view point (x, y) stays
    // there, and the picture, the arrows and the view are made afresh.
    void ZoomAbout(int16_t cellSize, int32_t x, int32_t y);
    void SwitchHexDisplay(bool on);

    void DrawWholeMap();
    void DrawCell(int col, int row, int dx, int dy);
    void RedrawArea(int16_t area);
    // The cell at both edges of the picture, then the view.
    void RedrawCell(CellRef cell);
    // Draws again the cells whose colours the map options changed.
    void RedrawChangedColours(const ChangeableColours& before);
    void RefreshView();
    // The view brought up to date after orders changed: only what changed since it was drawn
    // is drawn again, else the whole view as RefreshView does.
    void UpdateView();
    // A two-click order only began: its area is outlined on the view as it is.
    void OutlineBegunOrder();
    // Views drawn whole or in part so far, to know whether one has already shown a change.
    int Refreshes() const { return refreshes_; }

    void DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code);
    // Whether the allies' orders are drawn beneath the player's; the view is drawn again.
    void ShowAllies(bool shown);

    // Centres the view on the area and outlines it for a moment.
    void GoTo(int16_t area);
    // The view over the player's own areas, as a drag would move it.
    void CentreOnOwnAreas();
    int16_t OutlinedArea() const { return outlined_; }
    // The areas that changed since the turn compared carry a mark; none: no marks.
    void ShowChanges(std::vector<int16_t> areas);
    // Who can reach each area next turn, shaded over the map.
    void ShowReach(bool on);
    bool ReachShown() const { return reach_; }
    const std::vector<int16_t>& ChangedAreas() const { return changed_; }

    // The area at view point (x, y), or 0.
    int16_t AreaAt(float x, float y) const;

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

  private:
    const GameState& Game() const { return records_.documents.Shown().records; }
    MapPainter Painter() const;
    void SizeView(int width, int height);
    // The change, keeping the map point under view point (x, y) there.
    template <typename Change> void Rescale(Change change, int32_t x, int32_t y);
    ViewSource Source() const;
    // The picture and what goes over it, in the view; a clip leaves out what lies outside it.
    void DrawView(const PixelRect* clip);
    // At both copies of the map on the view, at the area's anchor cell.
    template <typename Draw> void AtBothCopies(int16_t area, Draw draw);
    void MarkOrders(const PixelRect* clip);
    void MarkChanges();
    void ShadeReach(const PixelRect* clip);
    int16_t OrderedAreaToOutline() const;
    void OutlineOrderedArea();
    void Outline(int16_t area);
    void EndOutline(int serial);

    Records& records_;
    Platform& platform_;
    const MapPictures& pictures_;
    MapGeometry geometry_;
    ArrowList arrows_;
    ViewDamage damage_;
    mutable AreaFinder areaFinder_;
    std::unique_ptr<DrawingSurface> picMap_;
    std::unique_ptr<DrawingSurface> picView_;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    int innerWidth_ = 0;
    int innerHeight_ = 0;
    int viewWidth_ = 0;
    int viewHeight_ = 0;
    int16_t outlined_ = 0;
    bool alliesShown_ = true;
    int outlineSerial_ = 0;
    int refreshes_ = 0;
    std::vector<int16_t> changed_;
    bool reach_ = false;
};

} // namespace dered
