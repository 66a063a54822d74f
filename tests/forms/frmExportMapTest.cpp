// "&Export Map...": the choices, the SVG written here, and the job handed to the desktop.
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dered::test {
namespace {

class ExportMapDialog : public DemoTurnFixture {
  protected:
    frmExportMap& Dialog() { return program->exportMap; }
    std::string Target(const std::string& name) const {
        return (std::filesystem::path(temp.Folder()) / name).string();
    }
};

TEST_F(ExportMapDialog, WritesTheSvgAtTheChosenSizeAndClosesOrRefusesASizeOutOfBounds) {
    program->winQZ.mnuExportMap.Click();
    ASSERT_TRUE(Dialog().IsVisible());
    EXPECT_EQ(Dialog().txtCellSize.Text(), std::to_string(program->records.settings.CellSize));
    Dialog().optFormat.Choose(static_cast<int>(PictureFormat::Svg));
    Dialog().optCells.Choose(1); // squares
    Dialog().txtCellSize.SetText("37");
    EXPECT_EQ(Dialog().lblSize.Text(), "The cell size is a number from 6 to 36");
    Dialog().cmdExport.Click();
    EXPECT_EQ(platform.messages.back().text, "The cell size is a number from 6 to 36");
    EXPECT_TRUE(platform.dialogRequests.empty());
    Dialog().txtCellSize.SetText("20x");
    EXPECT_EQ(Dialog().lblSize.Text(), "The cell size is a number from 6 to 36");

    Dialog().txtCellSize.SetText("10");
    const MapExportLayout layout = LayoutMapExport(program->records.settings, {10, false, true});
    EXPECT_EQ(Dialog().lblSize.Text(), std::to_string(layout.width) + " x " +
                                           std::to_string(layout.height + 20) + " pixels");
    platform.AnswerOpen(Target("map.svg"));
    Dialog().cmdExport.Click();
    EXPECT_FALSE(Dialog().IsVisible());
    EXPECT_EQ(platform.dialogRequests.back().initialDir, Game().ReportDir);
    const MapSvg wanted = ExportMapSvg(Game(), program->records.hexMap, program->records.settings,
                                       MakeMapPictures(), {10, false, true});
    std::ifstream in(Target("map.svg"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), wanted.text);
}

TEST_F(ExportMapDialog, PicturesGoToTheDesktopsWriterWithTheirLayoutAndTitle) {
    program->winQZ.mnuExportMap.Click();
    Dialog().optFormat.Choose(static_cast<int>(PictureFormat::Png));
    platform.messages.clear();
    Dialog().cmdExport.Click(); // no desktop: said, nothing asked
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.dialogRequests.empty());

    std::vector<MapPictureJob> jobs;
    Dialog().writePicture = [&jobs](const MapPictureJob& job) {
        jobs.push_back(job);
        return jobs.size() == 1 ? std::string("the disk is full") : std::string();
    };
    platform.AnswerOpen(Target("map.png"));
    Dialog().chkReach.SetValue(1);
    Dialog().cmdExport.Click();
    EXPECT_EQ(platform.messages.back().text,
              "Can't export the map to " + Target("map.png") + ": the disk is full");
    EXPECT_TRUE(Dialog().IsVisible());
    Dialog().optFormat.Choose(static_cast<int>(PictureFormat::Print));
    Dialog().cmdExport.Click(); // paper: no file asked for
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].path, Target("map.png"));
    EXPECT_EQ(jobs[0].title, MapTitle(Game()));
    EXPECT_TRUE(jobs[0].reach);
    EXPECT_EQ(jobs[0].layout.width, PictureWidth(program->map.canvas.Geometry()));
    EXPECT_EQ(jobs[1].format, PictureFormat::Print);
    EXPECT_EQ(jobs[1].path, "");
    EXPECT_FALSE(Dialog().IsVisible());
}

} // namespace
} // namespace dered::test
