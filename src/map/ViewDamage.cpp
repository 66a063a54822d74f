#include "map/ViewDamage.h"

#include "map/Arrows.h"
#include "map/Renderer.h"

#include <algorithm>

namespace dered {

std::vector<PixelRect> OutlineExtent(const ViewSource& source, int16_t area, int width) {
    if (area < 1 || area > MaxArea) {
        return {};
    }
    const AreaRecord& record = source.game.Areas[area];
    PixelRect cells;
    for (int r = std::max<int>(record.MinRow, 1); r <= std::min<int>(record.MaxRow, MapRows); ++r) {
        for (int c = std::max<int>(record.MinCol, 1); c <= std::min<int>(record.MaxCol, MapColumns);
             ++c) {
            if (source.hexMap.At(c, r).Area == area) {
                cells = cells.United(BoundsOf(CellCorners(source.geometry, c, r, 0, 0)));
            }
        }
    }
    if (cells.Empty()) {
        return {};
    }
    const PixelRect at = cells.Grown(width).Moved(source.settings.MapX, source.settings.MapY);
    return {at, at.Moved(PictureWidth(source.geometry), 0)};
}

ViewDamage::Scene ViewDamage::SceneOf(const ViewSource& source) {
    const SettingsRecord& settings = source.settings;
    return {settings.MapX,     settings.MapY,       source.width,         source.height,
            settings.CellSize, settings.HexDisplay, settings.ArrowColour, source.changed};
}

ViewDamage::Overlay ViewDamage::OverlayOf(const ViewSource& source, int16_t area) {
    const AreaRecord& record = source.game.Areas[area];
    Overlay overlay{record.Command, record.Parm1, {}};
    if (record.Command.empty()) {
        return overlay;
    }
    const SettingsRecord& settings = source.settings;
    overlay.extent = OrderArrowExtent(source.geometry, source.game, source.hexMap, area,
                                      record.Parm1, record.Command, settings.MapX, settings.MapY);
    if (const auto anchor = AreaAnchor(record, area, source.hexMap)) {
        for (const int shift : {0, PictureWidth(source.geometry)}) {
            overlay.extent.push_back(
                OrderMarkExtent(source.geometry, *anchor, settings.MapX + shift, settings.MapY));
        }
    }
    return overlay;
}

void ViewDamage::Drawn(const ViewSource& source) {
    known_ = true;
    scene_ = SceneOf(source);
    for (int16_t a = 1; a <= MaxArea; ++a) {
        overlays_[a] = OverlayOf(source, a);
    }
    outlined_ = source.outlined;
    picture_.clear();
    view_.clear();
}

void ViewDamage::ViewDrawn(const std::vector<PixelRect>& view) {
    view_.insert(view_.end(), view.begin(), view.end());
}

namespace {

// Joins overlapping rectangles until none overlap.
std::vector<PixelRect> Joined(std::vector<PixelRect> rects) {
    for (bool joined = true; joined;) {
        joined = false;
        for (size_t i = 0; i < rects.size() && !joined; ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                if (rects[i].Intersects(rects[j])) {
                    rects[i] = rects[i].United(rects[j]);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                    break;
                }
            }
        }
    }
    return rects;
}

} // namespace

std::optional<std::vector<PixelRect>> ViewDamage::Update(const ViewSource& source) {
    if (!known_ || SceneOf(source) != scene_) {
        return std::nullopt;
    }
    for (int16_t a = 1; a <= MaxArea; ++a) {
        const AreaRecord& record = source.game.Areas[a];
        Overlay& shown = overlays_[a];
        if (shown.command != record.Command || shown.parm1 != record.Parm1) {
            ViewDrawn(shown.extent);
            shown = OverlayOf(source, a);
            ViewDrawn(shown.extent);
        }
    }
    if (source.outlined != outlined_) {
        constexpr int kWidth = 3;
        ViewDrawn(OutlineExtent(source, outlined_, kWidth));
        ViewDrawn(OutlineExtent(source, source.outlined, kWidth));
        outlined_ = source.outlined;
    }
    const int pictureWidth = PictureWidth(source.geometry);
    for (const PixelRect& rect : picture_) {
        for (const int shift : {0, pictureWidth}) {
            view_.push_back(rect.Moved(scene_.mapX + shift, scene_.mapY));
        }
    }
    picture_.clear();
    const PixelRect whole{0, 0, source.width, source.height};
    std::vector<PixelRect> rects;
    for (const PixelRect& rect : view_) {
        if (const PixelRect shown = rect.Intersected(whole); !shown.Empty()) {
            rects.push_back(shown);
        }
    }
    view_.clear();
    return Joined(std::move(rects));
}

bool ViewDamage::Touches(int16_t area, const PixelRect& rect) const {
    if (area < 1 || area > MaxArea) {
        return false;
    }
    const auto& extent = overlays_[area].extent;
    return std::any_of(extent.begin(), extent.end(),
                       [&rect](const PixelRect& r) { return r.Intersects(rect); });
}

} // namespace dered
