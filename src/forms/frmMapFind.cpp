// The map window's ways to an area: going to it by number or name, and what the status bar
// says about the area under the pointer.
#include "forms/frmMap.h"

#include "desk/AreaSearch.h"
#include "desk/HoverText.h"
#include "desk/OrderWords.h"
#include "forms/frmWinQZ.h"
#include "orders/AreaOrders.h"
#include "state/Text.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace dered {

namespace {

constexpr int kFoundLines = 20;
constexpr int kOutlineMilliseconds = 1500;
constexpr int kOutlineWidth = 3;
constexpr int32_t kOutlineColour = 0x0000FFFF; // yellow

int16_t ViewOffset(double pixels) {
    return static_cast<int16_t>(std::clamp(pixels, -32768.0, 32767.0));
}

} // namespace

std::string frmMap::HoverTextAt(float x, float y) const {
    if (!picMap_) {
        return {};
    }
    const int16_t area = areaFinder_.At(geometry_, records_.settings, records_.hexMap, x, y);
    return HoverText(Game(), AreaOrNone(area));
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
    if (!picView_) {
        return;
    }
    CentreOn(area);
    RefreshView();
    Outline(area);
}

// The anchor cell goes to the middle of the view; ClampView keeps the view on the picture and
// wraps it east-west.
void frmMap::CentreOn(int16_t area) {
    const HexMap& hexMap = records_.hexMap;
    auto cell = AreaAnchor(Game().Areas[area], area, hexMap);
    if (!cell) {
        cell = FirstCellOfArea(hexMap, area);
    }
    if (!cell) {
        return;
    }
    SettingsRecord& settings = records_.settings;
    SettingsRecord origin = settings;
    origin.MapX = 0;
    origin.MapY = 0;
    const auto [x, y] = CellCentre(geometry_, origin, *cell);
    settings.MapX = static_cast<int16_t>(viewWidth_ / 2 - static_cast<int>(x));
    settings.MapY = static_cast<int16_t>(viewHeight_ / 2 - static_cast<int>(y));
    ClampView(settings, geometry_, viewHeight_);
}

// The own areas' anchors averaged round the wrapped world (as angles), so that a nation
// across the east-west seam is centred on itself, not on the far side of the map.
void frmMap::CentreOnOwnAreas() {
    if (!picView_) {
        return;
    }
    const GameState& game = Game();
    SettingsRecord& settings = records_.settings;
    SettingsRecord origin = settings;
    origin.MapX = 0;
    origin.MapY = 0;
    const double width = geometry_.MapWidth();
    double sumSin = 0;
    double sumCos = 0;
    double sumY = 0;
    int count = 0;
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.OwnPlayer == 0 || game.Areas[a].Owner != game.OwnPlayer) {
            continue;
        }
        const auto cell = AreaAnchor(game.Areas[a], a, records_.hexMap);
        if (!cell) {
            continue;
        }
        const auto [x, y] = CellCentre(geometry_, origin, *cell);
        const double angle = 2 * std::numbers::pi * x / width;
        sumSin += std::sin(angle);
        sumCos += std::cos(angle);
        sumY += y;
        ++count;
    }
    if (count == 0 || width <= 0) {
        return;
    }
    double angle = std::atan2(sumSin, sumCos);
    if (angle < 0) {
        angle += 2 * std::numbers::pi;
    }
    const double x = angle * width / (2 * std::numbers::pi);
    const double y = sumY / count;
    settings.MapX = ViewOffset(viewWidth_ / 2 - x);
    settings.MapY = ViewOffset(viewHeight_ / 2 - y);
    ClampView(settings, geometry_, viewHeight_);
    RefreshView();
}

void frmMap::SayHomeShowsOwnAreas() {
    if (picView_) {
        stbNextClick.SetText(stbNextClick.Text() + "  Home shows your own areas.");
    }
}

void frmMap::Outline(int16_t area) {
    const HexMap& hexMap = records_.hexMap;
    const SettingsRecord& settings = records_.settings;
    const int wrap = WrapOffset(geometry_);
    for (int col = 1; col <= MapColumns; ++col) {
        for (int row = 1; row <= MapRows; ++row) {
            if (hexMap.At(col, row).Area != area) {
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
void frmMap::EndOutline(int serial) {
    if (serial == outlineSerial_ && outlined_ != 0) {
        RefreshView();
    }
}

void frmMap::txtFind_Change() {
    const GameState& game = Game();
    std::vector<ListBoxModel::Line> lines;
    for (const int16_t area : MatchAreas(game, txtFind.Text())) {
        if (static_cast<int>(lines.size()) == kFoundLines) {
            break;
        }
        lines.push_back({AreaLabel(game, area), area});
    }
    const std::string typed = TrimBlanks(txtFind.Text());
    const bool nothing = lines.empty() && !typed.empty();
    lstFind.SetLines(std::move(lines));
    // The status line says so while nothing matches, then goes back to the next click.
    if (nothing) {
        stbNextClick.SetText("No area matches \"" + typed + "\"");
    } else if (saidNoMatch_) {
        ShowNextClick();
    }
    saidNoMatch_ = nothing;
}

void frmMap::txtFind_Enter() {
    if (lstFind.ListCount() == 0) {
        return;
    }
    const int chosen = lstFind.ListIndex() >= 0 ? lstFind.ListIndex() : 0;
    GoToArea(static_cast<int16_t>(lstFind.Lines()[chosen].itemData));
}

} // namespace dered
