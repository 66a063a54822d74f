// What the map window's view shows over the map picture: order arrows and marks, the marks of
// changed areas, and outlines.
#include "forms/MapCanvas.h"

#include "map/AllyArrows.h"
#include "map/Palette.h"
#include "map/ReachOverlay.h"
#include "map/ViewCentring.h"
#include "orders/AreaOrders.h"

#include <algorithm>
#include <utility>

namespace dered {

namespace {

constexpr int kOutlineMilliseconds = 1500;
constexpr int kOutlineWidth = 3;
constexpr int32_t kOutlineColour = kYellow;

} // namespace

void MapCanvas::DrawView(const PixelRect* clip) {
    const SettingsRecord& settings = records_.settings;
    const int width = PictureWidth(geometry_);
    picView_->CopyFrom(*picMap_, settings.MapX, settings.MapY);
    if (settings.MapX + width < viewWidth_) {
        picView_->CopyFrom(*picMap_, settings.MapX + width, settings.MapY);
    }
    if (reach_) {
        ShadeReach(clip);
    }
    const GameState& game = Game();
    if (alliesShown_) {
        DrawAllyOrders({*picView_, geometry_, game, records_.hexMap, settings},
                       records_.documents.Shown().allies, settings.MapX, settings.MapY);
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        if (ArrowColourIndex(area.Command) && (!clip || damage_.Touches(a, *clip))) {
            DrawOrderArrow(a, area.Parm1, area.Command);
        }
    }
    MarkOrders(clip);
    MarkChanges();
    OutlineOrderedArea();
}

template <typename Draw> void MapCanvas::AtBothCopies(int16_t area, Draw draw) {
    const auto anchor = AreaAnchor(Game().Areas[area], area, records_.hexMap);
    if (!anchor) {
        return;
    }
    const SettingsRecord& settings = records_.settings;
    for (const int shift : {0, PictureWidth(geometry_)}) {
        draw(*anchor, settings.MapX + shift, settings.MapY);
    }
}

// Orders without an arrow (builds, removals, downgrades) show too.
void MapCanvas::MarkOrders(const PixelRect* clip) {
    const GameState& game = Game();
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.Areas[a].Command.empty() || (clip && !damage_.Touches(a, *clip))) {
            continue;
        }
        AtBothCopies(a, [this](CellRef anchor, int dx, int dy) {
            DrawOrderMark(*picView_, geometry_, anchor, dx, dy);
        });
    }
}

void MapCanvas::ShowChanges(std::vector<int16_t> areas) {
    changed_ = std::move(areas);
    RefreshView();
}

// Units move only when a report is read, which draws the view whole: a clipped drawing
// needs no other damage for the shading.
void MapCanvas::ShowReach(bool on) {
    reach_ = on;
    RefreshView();
}

void MapCanvas::ShadeReach(const PixelRect* clip) {
    const GameState& game = Game();
    const ReachMarks marks = MarkReach(game, ReachMap(game));
    const SettingsRecord& settings = records_.settings;
    for (const int shift : {0, PictureWidth(geometry_)}) {
        DrawReachOverlay(*picView_, geometry_, game, records_.hexMap, marks, settings.MapX + shift,
                         settings.MapY, clip);
    }
}

void MapCanvas::MarkChanges() {
    for (const int16_t a : changed_) {
        if (a >= 1 && a <= MaxArea) {
            AtBothCopies(a, [this](CellRef anchor, int dx, int dy) {
                DrawChangeMark(*picView_, geometry_, anchor.col, anchor.row, dx, dy);
            });
        }
    }
}

// The area whose unit is being given a move, support or convoy, until its target is clicked.
int16_t MapCanvas::OrderedAreaToOutline() const {
    const GameState& game = Game();
    switch (game.PendingCommand) {
    case MapCommand::Move:
    case MapCommand::SupportAttack:
    case MapCommand::SupportDefence:
    case MapCommand::Convoy:
        return AreaOrNone(game.SelectedArea);
    default:
        return 0;
    }
}

void MapCanvas::OutlineOrderedArea() {
    const int16_t area = OrderedAreaToOutline();
    if (area == 0) {
        return;
    }
    const AreaRecord& record = Game().Areas[area];
    const SettingsRecord& settings = records_.settings;
    for (int r = std::max<int>(record.MinRow, 1); r <= std::min<int>(record.MaxRow, MapRows); ++r) {
        for (int c = std::max<int>(record.MinCol, 1); c <= std::min<int>(record.MaxCol, MapColumns);
             ++c) {
            if (records_.hexMap.At(c, r).Area != area) {
                continue;
            }
            for (const int shift : {0, PictureWidth(geometry_)}) {
                const auto corners =
                    CellCorners(geometry_, c, r, settings.MapX + shift, settings.MapY);
                picView_->Polyline(corners, kOutlineWidth, kOutlineColour);
            }
        }
    }
}

void MapCanvas::OutlineBegunOrder() {
    OutlineOrderedArea();
    damage_.ViewDrawn(OutlineExtent(Source(), OrderedAreaToOutline(), kOutlineWidth));
}

void MapCanvas::DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code) {
    if (!picView_) {
        return;
    }
    const SettingsRecord& settings = records_.settings;
    DrawAreaOrderArrow({*picView_, arrows_, geometry_, Game(), records_.hexMap, settings}, fromArea,
                       toArea, code, settings.MapX, settings.MapY);
}

void MapCanvas::ShowAllies(bool shown) {
    alliesShown_ = shown;
    if (picView_) {
        RefreshView();
    }
}

void MapCanvas::GoTo(int16_t area) {
    if (!picView_) {
        return;
    }
    CentreViewOnArea(records_.settings, geometry_, records_.hexMap, Game(), area,
                     {viewWidth_, viewHeight_});
    RefreshView();
    Outline(area);
}

void MapCanvas::CentreOnOwnAreas() {
    if (picView_ && CentreViewOnOwnAreas(records_.settings, geometry_, records_.hexMap, Game(),
                                         {viewWidth_, viewHeight_})) {
        RefreshView();
    }
}

void MapCanvas::Outline(int16_t area) {
    const SettingsRecord& settings = records_.settings;
    const int wrap = WrapOffset(geometry_);
    for (int col = 1; col <= MapColumns; ++col) {
        for (int row = 1; row <= MapRows; ++row) {
            if (records_.hexMap.At(col, row).Area != area) {
                continue;
            }
            for (const int shift : {0, wrap}) {
                const auto corners =
                    CellCorners(geometry_, col, row, settings.MapX + shift, settings.MapY);
                picView_->Polyline(corners, kOutlineWidth, kOutlineColour);
            }
        }
    }
    outlined_ = area;
    // Its cells are found on the whole map: the view is drawn whole again to take it away.
    damage_.Forget();
    const int serial = ++outlineSerial_;
    platform_.After(kOutlineMilliseconds, [this, serial] { EndOutline(serial); });
}

// Only the outline this timer was started for; a later one has its own.
void MapCanvas::EndOutline(int serial) {
    if (serial == outlineSerial_ && outlined_ != 0) {
        RefreshView();
    }
}

} // namespace dered
