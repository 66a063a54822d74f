#include "map/Renderer.h"

#include "state/CodeTables.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace dered {

namespace {

constexpr int kSlotWidth = 32;
constexpr int kSlotHeight = 16;
constexpr int kHalfWidth = 16;
constexpr int kDigitWidth = 8;

// The map file promises areas 0..293 and the report owners 0..12; anything else is drawn as
// the neutral, empty area rather than read from outside the tables.
const AreaRecord& AreaOfCell(const GameState& game, int16_t area) {
    static const AreaRecord kNone{};
    return area >= 0 && area <= MaxArea ? game.Areas[area] : kNone;
}

int32_t CountryColour(const SettingsRecord& settings, int16_t owner) {
    return owner >= 0 && owner <= MaxPlayer ? settings.CountryColour[owner]
                                            : settings.CountryColour[0];
}

int32_t FillColour(const SettingsRecord& settings, const AreaRecord& area) {
    if (area.Terrain == Water) {
        return settings.WaterColour;
    }
    if (area.Terrain == NoEntry) {
        return settings.NoGoColour;
    }
    return CountryColour(settings, area.Owner);
}

bool IsLarge(const MapGeometry& g) {
    return g.HexDisplay ? g.CellSize >= 26 : g.CellSize >= 34;
}

bool IsMedium(const MapGeometry& g) {
    return !IsLarge(g) && g.HexDisplay && g.CellSize >= 22;
}

class CellPainter {
  public:
    CellPainter(const MapPainter& painter, const HexCell& cell, const AreaRecord& area, Point32 p0)
        : p_(painter), cell_(cell), area_(area), p0_(p0),
          xL_(p0.x + (painter.geometry.CellSize - kSlotWidth) / 2),
          m_(p0.y + painter.geometry.RowHeight / 2) {}

    void Large() {
        const bool info =
            (area_.Command.starts_with("A") || area_.UnitKind > 0) && cell_.Display[1] != 0;
        const int supply = SupplyIndex();
        if (cell_.Display[0] != 0) {
            Number();
            if (info) {
                Supply(p_.pictures.picSupplyNarrow, supply, xL_ + 24, m_ - kSlotHeight);
                Unit(m_);
            } else {
                Supply(p_.pictures.picSupplyWide, supply, xL_, m_);
            }
        } else if (info) {
            Supply(p_.pictures.picSupplyWide, supply, xL_, m_ - kSlotHeight);
            Unit(m_);
        } else {
            Supply(p_.pictures.picSupplyWide, supply, xL_, m_);
        }
    }

    void Medium() {
        if (cell_.Display[1] != 0) {
            Unit(m_ - kSlotHeight / 2);
        }
    }

  private:
    // -1 when no supply mark is shown or the value is beyond the three pictures.
    int SupplyIndex() const {
        if (area_.Supply <= 0 || cell_.Display[2] == 0) {
            return -1;
        }
        const int index = area_.HomeCentre != 0 ? 2 : area_.Supply - 1;
        return index <= 2 ? index : -1;
    }

    void Supply(const std::array<Picture, 3>& pictures, int index, int x, int y) {
        if (index >= 0) {
            Copy(pictures[index], 0, pictures[index].width, x, y);
        }
    }

    void Number() {
        const int n = std::clamp<int>(cell_.Area, 0, 999);
        const int y = m_ - kSlotHeight;
        int x = xL_;
        if (n >= 100) {
            Copy(p_.pictures.picDigit[n / 100], 0, kDigitWidth, x, y);
            x += 8;
        } else {
            x += 4;
        }
        if (n >= 10) {
            Copy(p_.pictures.picDigit[(n % 100) / 10], 0, kDigitWidth, x, y);
            x += 8;
        } else {
            x += 4;
        }
        Copy(p_.pictures.picDigit[n % 10], 0, kDigitWidth, x, y);
    }

    void Unit(int y) {
        const int mode = p_.game.UnitDisplayMode;
        if (area_.UnitKind > 0) {
            const int k = mode + area_.UnitKind - 1;
            if (area_.UnitOwner != area_.Owner || area_.Terrain == Water) {
                p_.surface.FillRect(xL_, y, xL_ + kSlotWidth, y + kSlotHeight,
                                    CountryColour(p_.settings, area_.UnitOwner));
            }
            const int rightHalfX = p0_.x + p_.geometry.CellSize / 2;
            if (area_.Command == OrderCode::Downgrade) {
                UnitPart(k, 0, xL_, y);
                UnitPart(k + 1, kHalfWidth, rightHalfX, y);
            } else if (area_.Command == OrderCode::Upgrade) {
                UnitPart(k, 0, xL_, y);
                UnitPart(k - 1, kHalfWidth, rightHalfX, y);
            } else {
                UnitWhole(k, y);
            }
            return;
        }
        static constexpr std::array<std::string_view, 4> kBuilds{
            OrderCode::AddArmy, OrderCode::AddCorps, OrderCode::AddFleet, OrderCode::AddSquadron};
        const auto build = std::find(kBuilds.begin(), kBuilds.end(), area_.Command);
        if (build != kBuilds.end()) {
            UnitWhole(mode + static_cast<int>(build - kBuilds.begin()), y);
        }
    }

    void UnitWhole(int k, int y) {
        if (k >= 0 && k < static_cast<int>(p_.pictures.picUnit.size())) {
            Copy(p_.pictures.picUnit[k], 0, kSlotWidth, xL_, y);
        }
    }

    void UnitPart(int k, int srcX, int x, int y) {
        if (k >= 0 && k < static_cast<int>(p_.pictures.picUnit.size())) {
            Copy(p_.pictures.picUnit[k], srcX, kHalfWidth, x, y);
        }
    }

    void Copy(const Picture& picture, int srcX, int width, int x, int y) {
        p_.surface.DrawPicture(picture, srcX, width, x, y, true);
    }

    const MapPainter& p_;
    const HexCell& cell_;
    const AreaRecord& area_;
    Point32 p0_;
    int xL_;
    int m_;
};

// The fill and its borders, and the block of the number, supply and unit slots, which may
// stand out of a small cell.
PixelRect CellExtent(const MapGeometry& geometry, const std::array<Point32, 7>& corners) {
    const Point32 p0 = corners[0];
    const int xL = p0.x + (geometry.CellSize - kSlotWidth) / 2;
    const int m = p0.y + geometry.RowHeight / 2;
    const PixelRect block{xL, m - kSlotHeight, std::max(xL + kSlotWidth, p0.x + geometry.CellSize),
                          m + kSlotHeight};
    return BoundsOf(corners).United(block).Grown(2);
}

} // namespace

PixelRect DrawCell(const MapPainter& painter, int col, int row, int dx, int dy) {
    if (col < 1 || col > MapColumns || row < 1 || row > MapRows) {
        return {};
    }
    const HexCell& cell = painter.hexMap.At(col, row);
    const AreaRecord& area = AreaOfCell(painter.game, cell.Area);
    const auto corners = CellCorners(painter.geometry, col, row, dx, dy);
    painter.surface.FillPolygon(std::span(corners.data(), 6), FillColour(painter.settings, area));
    for (int k = 1; k <= 6; ++k) {
        if (cell.Border[k - 1] != 0) {
            const std::array<Point32, 2> side{corners[k - 1], corners[k]};
            painter.surface.Polyline(side, 2, painter.settings.BorderColour);
        }
    }
    CellPainter marks(painter, cell, area, corners[0]);
    if (IsLarge(painter.geometry)) {
        marks.Large();
    } else if (IsMedium(painter.geometry)) {
        marks.Medium();
    }
    return CellExtent(painter.geometry, corners);
}

void DrawAllCells(const MapPainter& painter) {
    painter.surface.Clear(kWhite);
    for (int r = 1; r <= MapRows; ++r) {
        for (int c = 1; c <= MapColumns; ++c) {
            DrawCell(painter, c, r, 0, 0);
        }
    }
    const int wrap = WrapOffset(painter.geometry);
    for (int r = 1; r <= MapRows; ++r) {
        DrawCell(painter, 1, r, wrap, 0);
    }
}

std::array<PixelRect, 2> DrawAreaCells(const MapPainter& painter, int16_t area,
                                       const std::function<void()>& afterRow) {
    std::array<PixelRect, 2> drawn{};
    if (area < 0 || area > MaxArea) {
        return drawn;
    }
    const AreaRecord& record = painter.game.Areas[area];
    const int firstRow = std::max<int>(record.MinRow, 1);
    const int lastRow = std::min<int>(record.MaxRow, MapRows);
    const int firstCol = std::max<int>(record.MinCol, 1);
    const int lastCol = std::min<int>(record.MaxCol, MapColumns);
    const int wrap = WrapOffset(painter.geometry);
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            if (painter.hexMap.At(c, r).Area == area) {
                drawn[0] = drawn[0].United(DrawCell(painter, c, r, 0, 0));
                drawn[1] = drawn[1].United(DrawCell(painter, c, r, wrap, 0));
            }
        }
        if (afterRow) {
            afterRow();
        }
    }
    return drawn;
}

namespace {

// The mark's outer square, edge included: x1, y1 to x2, y2 of FillRect.
PixelRect OrderMarkSquare(const MapGeometry& geometry, CellRef anchor, int dx, int dy) {
    const auto corners = CellCorners(geometry, anchor.col, anchor.row, dx, dy);
    int left = corners[0].x;
    int top = corners[0].y;
    for (const Point32& p : corners) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
    }
    left += geometry.CellSize / 4;
    top += geometry.CellSize / 6;
    const int size = std::max(4, geometry.CellSize / 4);
    return {left - 1, top - 1, left + size, top + size};
}

} // namespace

void DrawOrderMark(DrawingSurface& surface, const MapGeometry& geometry, CellRef anchor, int dx,
                   int dy) {
    const PixelRect r = OrderMarkSquare(geometry, anchor, dx, dy);
    surface.FillRect(r.left, r.top, r.right, r.bottom, 0x000000);
    surface.FillRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, 0xFFFFFF);
}

PixelRect OrderMarkExtent(const MapGeometry& geometry, CellRef anchor, int dx, int dy) {
    return OrderMarkSquare(geometry, anchor, dx, dy).Grown(1);
}

void DrawChangeMark(DrawingSurface& surface, const MapGeometry& geometry, int col, int row, int dx,
                    int dy) {
    const auto corners = CellCorners(geometry, col, row, dx, dy);
    int right = corners[0].x;
    int top = corners[0].y;
    for (const Point32& p : corners) {
        right = std::max(right, p.x);
        top = std::min(top, p.y);
    }
    const int r = std::max(3, geometry.CellSize / 6);
    const int cx = right - geometry.CellSize / 4 - r;
    const int cy = top + geometry.CellSize / 6 + r;
    const auto diamond = [cx, cy](int d) {
        return std::array<Point32, 5>{
            {{cx, cy - d}, {cx + d, cy}, {cx, cy + d}, {cx - d, cy}, {cx, cy - d}}};
    };
    surface.FillPolygon(diamond(r + 1), 0x000000);
    surface.FillPolygon(diamond(r), 0x0000FF);
}

} // namespace dered
