#include "forms/frmZoom.h"

#include "forms/MapDialogFixture.h"

#include <gtest/gtest.h>

namespace dered::test {
namespace {

class ZoomTest : public MapDialogFixture {
  protected:
    void Open() { program.winQZ.mnuZoom.Click(); }
    void Close() { program.forms.Unload(zoom); }

    frmZoom& zoom = program.zoom;
};

TEST_F(ZoomTest, ClosingWithTheSameSizeRedrawsNothing) {
    OpenMap();
    Open();
    EXPECT_EQ(platform.events.back(), "show modal frmZoom");
    EXPECT_EQ(zoom.hsbZoom.Min(), 6);
    EXPECT_EQ(zoom.hsbZoom.Max(), 30);
    EXPECT_EQ(zoom.hsbZoom.Value(), 26);
    ForgetDrawing();
    zoom.hsbZoom.SetValue(20);
    zoom.hsbZoom.SetValue(26);
    Close();
    EXPECT_TRUE(MapPicture().operations.empty());
    EXPECT_EQ(settings().CellSize, 26);
    // The menu item still refreshes the window afterwards.
    EXPECT_TRUE(ViewRefreshed());
}

TEST_F(ZoomTest, ANewSizeRebuildsTheMapWhenTheDialogCloses) {
    OpenMap();
    Open();
    ForgetDrawing();
    zoom.hsbZoom.SetValue(13);
    EXPECT_TRUE(MapPicture().operations.empty()); // nothing before the dialog closes
    Close();
    EXPECT_EQ(settings().CellSize, 13);
    EXPECT_EQ(program.map.canvas.Geometry().RowHeight, 24);
    EXPECT_EQ(program.map.canvas.picMap()->Width(), 1365);
    EXPECT_TRUE(WholeMapDrawn());
    EXPECT_TRUE(ViewRefreshed());
}

TEST_F(ZoomTest, SquaresGoUpTo36AndWithoutAMapOnlyTheSizeChanges) {
    settings().HexDisplay = 0;
    settings().CellSize = 34;
    Open();
    EXPECT_EQ(zoom.hsbZoom.Max(), 36);
    EXPECT_EQ(zoom.hsbZoom.Value(), 34);
    zoom.hsbZoom.SetValue(36);
    Close();
    EXPECT_EQ(settings().CellSize, 36);
    EXPECT_FALSE(program.map.IsLoaded());
}

} // namespace
} // namespace dered::test
