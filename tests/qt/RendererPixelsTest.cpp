// The map drawn on the desktop's surface: column one again right of the seam, number and all.
#include "app/Program.h"
#include "files/Settings.h"
#include "map/Geometry.h"
#include "map/Renderer.h"
#include "platform/SystemDisk.h"
#include "qt/QImageSurface.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <memory>

namespace dered::test {
namespace {

// The recording platform, but with map pictures that hold real pixels.
class PixelPlatform : public RecordingPlatform {
  public:
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        return std::make_unique<QImageSurface>(width, height);
    }
};

constexpr int32_t kFirst = 0x30C060; // player 1, 0x00BBGGRR

// At 26 pixels the picture is 2730 wide. On a surface wider than the map the whole second copy
// of column one shows: it matches the first, number and all, across the cell's straight-sided
// middle.
TEST(RendererPixels, ColumnOneIsDrawnAgainRightOfColumnSeventyNumberAndAll) {
    PixelPlatform platform;
    MemoryIni ini;
    ini.Set("Colours", "CountryA", ColourText(kFirst));
    ini.Set("Positions", "HexSize", "13");
    ini.Set("Positions", "HexDisplay", "-1");
    SystemDisk disk;
    Program program{platform, ini, disk, {OnlyFolder("/program"), {}, {}}};
    program.records.documents.Shown().records.Areas[1].Terrain = 1;
    program.records.documents.Shown().records.Areas[1].Owner = 1;
    for (int r = 1; r <= MapRows; ++r) {
        HexCell& cell = program.records.hexMap.At(1, r);
        cell.Area = 1;
        cell.Display = {static_cast<int16_t>(r == 5 ? -1 : 0), 0, 0};
    }
    program.forms.Show(program.map, Modality::Modeless);
    const int wrap = WrapOffset(program.map.Geometry());
    ASSERT_EQ(wrap, 2730);

    QImageSurface wide(wrap + 40, program.map.picMap()->Height());
    DrawAllCells({wide, program.map.Geometry(), program.records.documents.Shown().records,
                  program.records.hexMap, program.records.settings, program.map.Pictures()});
    const auto at = [&wide](int x, int y) {
        return ColourFromQt(QColor(wide.Image().pixel(x, y)));
    };
    const int top = 4 * 46;
    int inverted = 0;
    for (int y = top + 2; y < top + 44; ++y) {
        for (int x = 0; x < 26; ++x) {
            ASSERT_EQ(at(x + wrap, y), at(x, y)) << x << ", " << y;
            inverted += at(x, y) == (kFirst ^ 0xFFFFFF) ? 1 : 0;
        }
    }
    EXPECT_GT(inverted, 0) << "the number should be in both copies";
}

} // namespace
} // namespace dered::test
