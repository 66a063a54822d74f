// The map drawn on the desktop's surface: column one again right of the seam, number and all;
// the view brought up to date in parts as it would be drawn whole.
#include "app/Program.h"
#include "files/Settings.h"
#include "forms/MouseClicks.h"
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
    explicit PixelPlatform(int scale = 1) : scale_(scale) {}
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        return std::make_unique<QImageSurface>(width, height, scale_);
    }

  private:
    int scale_;
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
    const int wrap = WrapOffset(program.map.canvas.Geometry());
    ASSERT_EQ(wrap, 2730);

    QImageSurface wide(wrap + 40, program.map.canvas.picMap()->Height());
    DrawAllCells({wide, program.map.canvas.Geometry(), program.records.documents.Shown().records,
                  program.records.hexMap, program.records.settings, program.map.canvas.Pictures()});
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

// After each step of order entry the view, drawn again only where it changed, is what drawing
// it whole gives: arrows that come, go and cross, marks, the outline, undo and redo, at both
// scales and with the seam in the view.
TEST(RendererPixels, TheViewUpdatedInPartsIsTheViewDrawnWhole) {
    const std::string data = std::string(DERED_SOURCE_DIR) + "/data/";
    for (const int scale : {1, 2}) {
        for (const int seam : {0, 700}) {
            PixelPlatform platform(scale);
            MemoryIni ini;
            ini.Set("Positions", "HexDisplay", "-1");
            SystemDisk disk;
            Program program{
                platform, ini, disk, {OnlyFolder(data), data + "demo/1880-1/plyrdata.003", {}}};
            program.Start();
            frmMap& map = program.map;
            ASSERT_TRUE(map.IsLoaded());
            if (seam != 0) {
                program.records.settings.MapX =
                    static_cast<int16_t>(seam - PictureWidth(map.canvas.Geometry()));
                map.canvas.RefreshView();
            }
            const auto shown = [&map] {
                return dynamic_cast<const QImageSurface&>(*map.canvas.picView()).Image().copy();
            };
            const auto click = [&](int16_t area, bool twice) {
                const auto cell = AreaAnchor(program.records.documents.Shown().records.Areas[area],
                                             area, program.records.hexMap);
                const auto [x, y] = CellCentre(map.canvas.Geometry(), program.records.settings,
                                               cell.value_or(CellRef{}));
                ClickAt(map, x, y, twice);
            };
            const auto expectWhole = [&](const char* step) {
                const QImage updated = shown();
                map.canvas.RefreshView();
                EXPECT_TRUE(updated == shown())
                    << step << " at scale " << scale << ", seam " << seam;
            };
            map.optCommand.Choose(map.optCommand.IndexOf("MO"));
            click(118, true);
            expectWhole("outlined");
            click(134, false);
            expectWhole("moved");
            click(118, true);
            click(105, false);
            expectWhole("moved elsewhere");
            click(105, true);
            expectWhole("refused");
            click(118, true);
            map.CancelEntry();
            expectWhole("cancelled");
            program.winQZ.mnuUndo.Click();
            expectWhole("undone");
            program.winQZ.mnuRedo.Click();
            expectWhole("redone");
            map.optCommand.Choose(OrderEntry::kWithdrawOption);
            click(118, true);
            expectWhole("withdrawn");
        }
    }
}

} // namespace
} // namespace dered::test
