#include "forms/frmUnitDisplay.h"

#include "forms/MapDialogFixture.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

class UnitDisplayTest : public MapDialogFixture {
  protected:
    UnitDisplayTest() {
        PlaceUnit(10, 1, kOwn);
        program.records.hexMap.At(4, 2).Display[1] = -1;
    }

    // The unit images drawn on the map picture.
    std::vector<const void*> UnitImages() {
        std::vector<const void*> images;
        for (const auto& op : MapPicture().operations) {
            if (op.kind == RecordingSurface::Operation::Kind::Picture) {
                images.push_back(op.source);
            }
        }
        return images;
    }

    frmUnitDisplay& dialog = program.unitDisplay;
};

TEST_F(UnitDisplayTest, TheShownKindLeavesTheDialogOpenAndTheOtherRedrawsAndCloses) {
    OpenMap();
    program.winQZ.mnuTypeofUnitDisplay.Click();
    EXPECT_EQ(platform.events.back(), "show modal frmUnitDisplay");
    EXPECT_EQ(dialog.caption.Text(), "Unit Display");
    ForgetDrawing();
    dialog.cmdPicture.Click();
    EXPECT_TRUE(dialog.IsVisible());
    EXPECT_TRUE(MapPicture().operations.empty());
    EXPECT_TRUE(View().operations.empty());

    dialog.cmdSymbol.Click();
    EXPECT_EQ(game.UnitDisplayMode, 4);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_TRUE(WholeMapDrawn());
    EXPECT_EQ(UnitImages(), std::vector<const void*>{&program.map.canvas.Pictures().picUnit[4]});
    EXPECT_TRUE(ViewRefreshed());
    EXPECT_EQ(platform.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);

    program.winQZ.mnuTypeofUnitDisplay.Click();
    ForgetDrawing();
    dialog.cmdSymbol.Click();
    EXPECT_TRUE(dialog.IsVisible());
    EXPECT_TRUE(MapPicture().operations.empty());
    dialog.cmdPicture.Click();
    EXPECT_EQ(game.UnitDisplayMode, 0);
    EXPECT_FALSE(dialog.IsLoaded());
}

} // namespace
} // namespace dered::test
