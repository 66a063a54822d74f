#include "forms/MapCanvas.h"

#include "orders/AreaOrders.h"

#include <algorithm>

namespace dered {

MapCanvas::MapCanvas(Records& records, Platform& platform)
    : records_(records), platform_(platform), pictures_(TheMapPictures()) {}

void MapCanvas::Load() {
    SettingsRecord& settings = records_.settings;
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
}

void MapCanvas::Unload() {
    picView_.reset();
    picMap_.reset();
}

void MapCanvas::Resize(int innerWidth, int innerHeight) {
    if (!picView_) {
        return;
    }
    SizeView(innerWidth, innerHeight);
    RefreshView();
}

void MapCanvas::SizeView(int width, int height) {
    innerWidth_ = width;
    innerHeight_ = height;
    viewWidth_ = std::clamp(width, 0, PictureWidth(geometry_));
    viewHeight_ = std::clamp(height, 0, PictureHeight(geometry_));
    if (picView_) {
        picView_->Resize(viewWidth_, viewHeight_);
    }
}

template <typename Change> void MapCanvas::Rescale(Change change, int32_t x, int32_t y) {
    if (!picMap_) {
        return;
    }
    SettingsRecord& settings = records_.settings;
    const ViewCentre point = RememberViewPoint(settings, geometry_, x, y);
    change(settings);
    KeepViewPoint(settings, geometry_, point, x, y, viewHeight_);
    picMap_->Resize(PictureWidth(geometry_), PictureHeight(geometry_));
    DrawWholeMap();
    RecomputeArrowLines(arrows_, geometry_, Game(), records_.hexMap);
    SizeView(innerWidth_, innerHeight_);
    ClampView(settings, geometry_, viewHeight_);
    RefreshView();
}

void MapCanvas::ZoomAbout(int16_t cellSize, int32_t x, int32_t y) {
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

void MapCanvas::SwitchHexDisplay(bool on) {
    Rescale([this, on](SettingsRecord& settings) { SetHexDisplayMode(settings, geometry_, on); },
            viewWidth_ / 2, viewHeight_ / 2);
}

void MapCanvas::DrawWholeMap() {
    if (!picMap_) {
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    DrawAllCells(Painter());
    damage_.Forget();
    areaFinder_.Forget();
    platform_.SetPointer(Pointer::Default);
}

// Only while the window is loaded: the surfaces exist then.
MapPainter MapCanvas::Painter() const {
    return MapPainter{*picMap_, geometry_, Game(), records_.hexMap, records_.settings, pictures_};
}

void MapCanvas::DrawCell(int col, int row, int dx, int dy) {
    if (!picMap_) {
        return;
    }
    damage_.PictureDrawn(dered::DrawCell(Painter(), col, row, dx, dy));
    areaFinder_.Forget();
}

void MapCanvas::RedrawArea(int16_t area) {
    if (!picMap_) {
        return;
    }
    const MapPainter painter = Painter();
    for (const PixelRect& drawn : DrawAreaCells(painter, area, [this] { platform_.DoEvents(); })) {
        damage_.PictureDrawn(drawn);
    }
}

void MapCanvas::RedrawCell(CellRef cell) {
    DrawCell(cell.col, cell.row, 0, 0);
    DrawCell(cell.col, cell.row, WrapOffset(geometry_), 0);
    RefreshView();
}

void MapCanvas::RedrawChangedColours(const ChangeableColours& before) {
    if (!picMap_) {
        return;
    }
    const SettingsRecord& now = records_.settings;
    platform_.SetPointer(Pointer::Hourglass);
    if (before.border != now.BorderColour) {
        DrawWholeMap();
    } else {
        const auto changed = [&](int col, int row) {
            return ShowsChangedColour(before, now, records_.hexMap, Game(), col, row);
        };
        for (int row = 1; row <= MapRows; ++row) {
            for (int col = 1; col <= MapColumns; ++col) {
                if (changed(col, row)) {
                    DrawCell(col, row, 0, 0);
                }
            }
        }
        const int wrap = WrapOffset(geometry_);
        for (int row = 1; row <= MapRows; ++row) {
            if (changed(1, row)) {
                DrawCell(1, row, wrap, 0);
            }
        }
    }
    RefreshView();
    platform_.SetPointer(Pointer::Default);
}

void MapCanvas::RefreshView() {
    if (!picView_ || !picMap_) {
        return;
    }
    ++refreshes_;
    outlined_ = 0;
    DrawView(nullptr);
    damage_.Drawn(Source());
}

void MapCanvas::UpdateView() {
    if (!picView_ || !picMap_) {
        return;
    }
    const auto rects = damage_.Update(Source());
    if (!rects) {
        return RefreshView();
    }
    ++refreshes_;
    outlined_ = 0;
    for (const PixelRect& rect : *rects) {
        if (!picView_->ClipTo(rect)) {
            return RefreshView();
        }
        DrawView(&rect);
    }
    if (!rects->empty()) {
        picView_->ClipTo(std::nullopt);
    }
}

ViewSource MapCanvas::Source() const {
    return {geometry_,  Game(),      records_.hexMap, records_.settings,
            viewWidth_, viewHeight_, changed_,        OrderedAreaToOutline()};
}

int16_t MapCanvas::AreaAt(float x, float y) const {
    return AreaOrNone(areaFinder_.At(geometry_, records_.settings, records_.hexMap, x, y));
}

} // namespace dered
