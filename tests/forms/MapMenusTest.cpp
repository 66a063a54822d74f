#include "forms/frmMap.h"

#include "forms/MapDialogFixture.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

class HexMapSwitchTest : public MapDialogFixture {
  protected:
    void Switch() { program.winQZ.mnuHex.Click(); }
    bool Ticked() const { return program.winQZ.mnuHex.Checked(); }
};

TEST_F(HexMapSwitchTest, WithoutTheMapWindowOnlyTheSettingsAndTheTickChange) {
    settings().CellSize = 30;
    Switch();
    EXPECT_EQ(settings().HexDisplay, 0);
    EXPECT_EQ(settings().CellSize, 36); // 39 made even is 40, held to the squares' 36
    EXPECT_FALSE(Ticked());
    Switch();
    EXPECT_EQ(settings().HexDisplay, -1);
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(platform.pointers, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default,
                                                       Pointer::Hourglass, Pointer::Default}));
}

TEST_F(HexMapSwitchTest, TheOpenMapIsRebuiltInTheOtherCells) {
    OpenMap();
    ForgetDrawing();
    Switch();
    EXPECT_EQ(settings().CellSize, 34);
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(program.map.canvas.Geometry().RowHeight, 34);
    EXPECT_EQ(program.map.canvas.picMap()->Width(), 34 * 70);
    EXPECT_TRUE(WholeMapDrawn());
    EXPECT_TRUE(ViewRefreshed());
    EXPECT_EQ(platform.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);
}

} // namespace
} // namespace dered::test
