#pragma once

#include "app/Program.h"
#include "files/Settings.h"
#include "map/Geometry.h"
#include "qt/QImageSurface.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace dered::test {

// The recording platform, but with map pictures that hold real pixels.
class PixelPlatform : public RecordingPlatform {
  public:
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        return std::make_unique<QImageSurface>(width, height);
    }
};

// What a 32 x 16 slot of the map should hold: a base colour with pictures copied onto it by
// exclusive-or.
class ExpectedSlot {
  public:
    static constexpr int kWidth = 32;
    static constexpr int kHeight = 16;

    explicit ExpectedSlot(int32_t base) { pixels_.fill(base); }

    // Columns srcX .. srcX + width - 1 of the picture, at column atX of the slot.
    ExpectedSlot& Xor(const Picture& picture, int atX, int srcX = 0, int width = -1) {
        if (width < 0) {
            width = picture.width - srcX;
        }
        for (int y = 0; y < picture.height && y < kHeight; ++y) {
            for (int i = 0; i < width; ++i) {
                const int x = atX + i;
                if (x >= 0 && x < kWidth) {
                    pixels_[static_cast<size_t>(y * kWidth + x)] ^=
                        picture.pixels[static_cast<size_t>(y * picture.width + srcX + i)];
                }
            }
        }
        return *this;
    }

    int32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y * kWidth + x)]; }

  private:
    std::array<int32_t, static_cast<size_t>(kWidth* kHeight)> pixels_{};
};

// A program with no report, whose map window is opened over the few areas and cells a test
// paints, with colours far enough apart that every one of them and their inversions differ.
class RendererPixels : public ::testing::Test {
  protected:
    static constexpr int32_t kNeutral = 0xC0C0C0; // 0x00BBGGRR
    static constexpr int32_t kWater = 0xF0A050;
    static constexpr int32_t kNoGo = 0x505050;
    static constexpr int32_t kBorder = 0x1010A0;
    static constexpr int32_t kFirst = 0x30C060;  // player 1
    static constexpr int32_t kSecond = 0x9040E0; // player 2

    RendererPixels() {
        ini.Set("Colours", "Neutral", ColourText(kNeutral));
        ini.Set("Colours", "Water", ColourText(kWater));
        ini.Set("Colours", "NoGo", ColourText(kNoGo));
        ini.Set("Colours", "Borders", ColourText(kBorder));
        ini.Set("Colours", "CountryA", ColourText(kFirst));
        ini.Set("Colours", "CountryB", ColourText(kSecond));
    }

    // Sets the display the map window will read when it opens.
    void Display(int cellSize, bool hexagons) {
        ini.Set("Positions", "HexSize", std::to_string(cellSize / 2));
        ini.Set("Positions", "HexDisplay", hexagons ? "-1" : "0");
    }

    void Open() { program.forms.Show(program.map, Modality::Modeless); }

    AreaRecord& MakeArea(int16_t n, int16_t terrain, int16_t owner) {
        AreaRecord& a = program.records.game.Areas[n];
        a.Terrain = terrain;
        a.Owner = owner;
        return a;
    }

    // Gives the cell to the area; flags is any of "I" (ID), "U" (Info), "S" (Supply).
    HexCell& Place(int16_t area, int col, int row, const std::string& flags = "") {
        HexCell& cell = program.records.hexMap.At(col, row);
        cell.Area = area;
        cell.Display[0] = flags.find('I') != std::string::npos ? -1 : 0;
        cell.Display[1] = flags.find('U') != std::string::npos ? -1 : 0;
        cell.Display[2] = flags.find('S') != std::string::npos ? -1 : 0;
        return cell;
    }

    const QImage& Image() { return dynamic_cast<QImageSurface&>(*program.map.picMap()).Image(); }

    int32_t Pixel(int x, int y) { return ColourFromQt(QColor(Image().pixel(x, y))); }

    // How many pixels of the w x h block at (x, y) have the colour.
    int CountOf(int32_t colour, int x, int y, int w, int h) {
        int count = 0;
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                count += Pixel(i, j) == colour ? 1 : 0;
            }
        }
        return count;
    }

    // Top-left corner P0 of the cell, and the left edge xL and middle line m of its slots.
    struct CellFrame {
        Point32 p0;
        int xL;
        int m;
    };
    CellFrame Frame(int col, int row) {
        const MapGeometry& g = program.map.Geometry();
        const Point32 p0 = CellCorners(g, col, row, 0, 0)[0];
        return {p0, p0.x + (g.CellSize - 32) / 2, p0.y + g.RowHeight / 2};
    }

    // The map's 32 x 16 pixels from (x, y) against the expected slot.
    ::testing::AssertionResult SlotIs(int x, int y, const ExpectedSlot& expected) {
        int wrong = 0;
        std::ostringstream first;
        for (int j = 0; j < ExpectedSlot::kHeight; ++j) {
            for (int i = 0; i < ExpectedSlot::kWidth; ++i) {
                const int32_t actual = Pixel(x + i, y + j);
                if (actual != expected.At(i, j) && wrong++ == 0) {
                    first << "first at (" << x + i << ", " << y + j << "): 0x" << std::hex << actual
                          << " instead of 0x" << expected.At(i, j);
                }
            }
        }
        if (wrong == 0) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << wrong << " pixels differ, " << first.str();
    }

    const MapPictures& Pictures() { return program.map.Pictures(); }

    PixelPlatform platform;
    MemoryIni ini;
    Program program{platform, ini, {OnlyFolder("/program"), {}, {}}};
};

} // namespace dered::test
