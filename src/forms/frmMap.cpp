#include "forms/frmMap.h"

#include "forms/OrderGuide.h"
#include "forms/frmWinQZ.h"
#include "map/Renderer.h"
#include "orders/AreaOrders.h"

#include <algorithm>
#include <cmath>

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
    : Form("frmMap", "Map"), optCommandRect(OptionButtonRow()), records_(records),
      platform_(platform), forms_(forms),
      entry_(records.documents, events, platform, supportedPlayer), windows_(windows),
      pictures_(MakeMapPictures()) {
    // One control for the whole row: exactly one of its buttons is chosen at a time.
    AddControl("optCommand", &optCommand);
    AddControl("stbNextClick", &stbNextClick);
    std::vector<std::string> tips;
    for (size_t i = 0; i < optCommand.Captions().size(); ++i) {
        tips.push_back(OrderTooltip(i));
    }
    optCommand.SetToolTips(std::move(tips));
    optCommand.Subscribe([this](const Changed&) { ShowNextClick(); });
    AddControl("staHover", &staHover);
    AddControl("txtFind", &txtFind);
    AddControl("lstFind", &lstFind);
    txtFind.Subscribe([this](const Changed&) { txtFind_Change(); });
    AddControl("txtOrder", &txtOrder);
    AddControl("lstOrder", &lstOrder);
    txtOrder.Subscribe([this](const Changed&) { txtOrder_Change(); });
    events.Subscribe([this](const TurnChange& change) { FollowTurn(change); });
}

// The changed areas are drawn anew on the picture, then the view once, arrows and all.
void frmMap::FollowTurn(const TurnChange& change) {
    if (change.areas.empty()) {
        return;
    }
    for (int16_t area : change.areas) {
        RedrawArea(area);
    }
    RefreshView();
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
    SettingsRecord& settings = records_.settings;
    ShowCaption();
    // A fresh window starts with the move chosen: moves are the orders entered most.
    optCommand.Choose(0);
    lastButton_ = 0;
    dragging_ = false;

    SetDisplayMetrics(geometry_, settings);
    BuildHexTables(geometry_);
    picMap_ = platform_.CreateSurface(PictureWidth(geometry_), PictureHeight(geometry_));
    arrows_.clear();
    DrawWholeMap();

    const TextExtent screen = platform_.ScreenSize();
    windowWidth_ = std::min(PictureWidth(geometry_) + 2, screen.width);
    windowHeight_ = std::min(PictureHeight(geometry_) + 2, screen.height);
    picView_ = platform_.CreateSurface(0, 0);
    SizeView(windowWidth_, windowHeight_);
    ClampView(settings, geometry_, viewHeight_);
    RefreshView();
    ShowNextClick();
}

void frmMap::Form_Unload() {
    picView_.reset();
    picMap_.reset();
    dragging_ = false;
}

void frmMap::Form_Resize(int innerWidth, int innerHeight, WindowState state) {
    if (state != WindowState::Normal || !picView_) {
        return;
    }
    SizeView(innerWidth, innerHeight);
    RefreshView();
}

// The view fills the window but never shows more than the map picture.
void frmMap::SizeView(int width, int height) {
    innerWidth_ = width;
    innerHeight_ = height;
    viewWidth_ = std::clamp(width, 0, PictureWidth(geometry_));
    viewHeight_ = std::clamp(height, 0, PictureHeight(geometry_));
    if (picView_) {
        picView_->Resize(viewWidth_, viewHeight_);
    }
}

template <typename Change> void frmMap::Rescale(Change change, int32_t x, int32_t y) {
    if (!picMap_) {
        return;
    }
    SettingsRecord& settings = records_.settings;
    const ViewCentre point = RememberViewPoint(settings, geometry_, x, y);
    change(settings);
    KeepViewPoint(settings, geometry_, point, x, y, viewHeight_);
    picMap_->Resize(PictureWidth(geometry_), PictureHeight(geometry_));
    DrawWholeMap();
    RebuildArrows();
    SizeView(innerWidth_, innerHeight_);
    ClampView(settings, geometry_, viewHeight_);
    RefreshView();
}

void frmMap::ZoomTo(int16_t cellSize) {
    ZoomAbout(cellSize, viewWidth_ / 2, viewHeight_ / 2);
}

void frmMap::ZoomAbout(int16_t cellSize, int32_t x, int32_t y) {
    if (cellSize == records_.settings.CellSize) {
        return;
    }
    Rescale(
        [this, cellSize](SettingsRecord& settings) {
            settings.CellSize = cellSize;
            SetDisplayMetrics(geometry_, settings);
            settings.CellSize = geometry_.CellSize;
            BuildHexTables(geometry_);
        },
        x, y);
}

void frmMap::SwitchHexDisplay(bool on) {
    Rescale([this, on](SettingsRecord& settings) { SetHexDisplayMode(settings, geometry_, on); },
            viewWidth_ / 2, viewHeight_ / 2);
    windows_.winQZ.mnuHex.SetChecked(records_.settings.HexDisplay != 0);
}

void frmMap::DrawWholeMap() {
    if (!picMap_) {
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    const MapPainter painter = Painter();
    DrawAllCells(painter);
    platform_.SetPointer(Pointer::Default);
}

// Only while the window is loaded: the surfaces exist then.
MapPainter frmMap::Painter() const {
    return MapPainter{*picMap_, geometry_, Game(), records_.hexMap, records_.settings, pictures_};
}

void frmMap::DrawCell(int col, int row, int dx, int dy) {
    if (!picMap_) {
        return;
    }
    const MapPainter painter = Painter();
    dered::DrawCell(painter, col, row, dx, dy);
}

void frmMap::RedrawArea(int16_t area) {
    if (!picMap_) {
        return;
    }
    const MapPainter painter = Painter();
    DrawAreaCells(painter, area, [this] { platform_.DoEvents(); });
}

void frmMap::RefreshView() {
    if (!picView_ || !picMap_) {
        return;
    }
    ++refreshes_;
    outlined_ = 0;
    const SettingsRecord& settings = records_.settings;
    const int width = PictureWidth(geometry_);
    picView_->CopyFrom(*picMap_, settings.MapX, settings.MapY);
    if (settings.MapX + width < viewWidth_) {
        picView_->CopyFrom(*picMap_, settings.MapX + width, settings.MapY);
    }
    const GameState& game = Game();
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& area = game.Areas[a];
        if (ArrowColourIndex(area.Command)) {
            DrawOrderArrow(a, area.Parm1, area.Command);
        }
    }
    MarkOrders();
    MarkChanges();
    OutlineOrderedArea();
}

// A small white square with a black edge in the corner of each ordered area's anchor cell:
// orders without an arrow (builds, removals, downgrades) show too.
void frmMap::MarkOrders() {
    const GameState& game = Game();
    const SettingsRecord& settings = records_.settings;
    const int size = std::max(4, geometry_.CellSize / 4);
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.Areas[a].Command.empty()) {
            continue;
        }
        const auto anchor = AreaAnchor(game.Areas[a], a, records_.hexMap);
        if (!anchor) {
            continue;
        }
        for (const int shift : {0, PictureWidth(geometry_)}) {
            const auto corners = CellCorners(geometry_, anchor->col, anchor->row,
                                             settings.MapX + shift, settings.MapY);
            int left = corners[0].x;
            int top = corners[0].y;
            for (const Point32& p : corners) {
                left = std::min(left, p.x);
                top = std::min(top, p.y);
            }
            left += geometry_.CellSize / 4;
            top += geometry_.CellSize / 6;
            picView_->FillRect(left - 1, top - 1, left + size, top + size, 0x000000);
            picView_->FillRect(left, top, left + size - 1, top + size - 1, 0xFFFFFF);
        }
    }
}

// The area whose unit is being given a move, support or convoy, until its target is clicked.
void frmMap::OutlineOrderedArea() {
    const GameState& game = Game();
    switch (game.PendingCommand) {
    case MapCommand::Move:
    case MapCommand::SupportAttack:
    case MapCommand::SupportDefence:
    case MapCommand::Convoy:
        break;
    default:
        return;
    }
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (area == 0) {
        return;
    }
    const AreaRecord& record = game.Areas[area];
    const SettingsRecord& settings = records_.settings;
    constexpr int32_t kOutline = 0x00FFFF; // yellow
    for (int r = std::max<int>(record.MinRow, 1); r <= std::min<int>(record.MaxRow, MapRows); ++r) {
        for (int c = std::max<int>(record.MinCol, 1); c <= std::min<int>(record.MaxCol, MapColumns);
             ++c) {
            if (records_.hexMap.At(c, r).Area != area) {
                continue;
            }
            for (const int shift : {0, PictureWidth(geometry_)}) {
                const auto corners =
                    CellCorners(geometry_, c, r, settings.MapX + shift, settings.MapY);
                picView_->Polyline(corners, 3, kOutline);
            }
        }
    }
}

void frmMap::DrawOrderArrow(int16_t fromArea, int16_t toArea, const std::string& code) {
    if (!picView_) {
        return;
    }
    const SettingsRecord& settings = records_.settings;
    DrawAreaOrderArrow({*picView_, arrows_, geometry_, Game(), records_.hexMap, settings}, fromArea,
                       toArea, code, settings.MapX, settings.MapY);
}

void frmMap::AddArrowRecord(int16_t a, int16_t b) {
    if (a < 1 || b > MaxArea || a >= b) {
        return;
    }
    const GameState& game = Game();
    const auto anchorA = AreaAnchor(game.Areas[a], a, records_.hexMap);
    const auto anchorB = AreaAnchor(game.Areas[b], b, records_.hexMap);
    if (!anchorA || !anchorB) {
        return;
    }
    ArrowRecord& record = arrows_.emplace_back();
    record.a = a;
    record.b = b;
    ComputeArrowLines(record, geometry_, *anchorA, *anchorB);
}

void frmMap::RebuildArrows() {
    const GameState& game = Game();
    for (ArrowRecord& record : arrows_) {
        const auto anchorA = AreaAnchor(game.Areas[record.a], record.a, records_.hexMap);
        const auto anchorB = AreaAnchor(game.Areas[record.b], record.b, records_.hexMap);
        if (anchorA && anchorB) {
            ComputeArrowLines(record, geometry_, *anchorA, *anchorB);
        }
    }
}

} // namespace dered
