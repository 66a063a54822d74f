// View > History on the demo game: the table follows the figure chosen, the pointer names a
// turn, the chart is exported, and a report opened shows its own history.
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace dered::test {
namespace {

class HistoryWindow : public DemoTurnFixture {
  protected:
    std::string OpenedReport() const override { return "1881-2/plyrdata.003"; }
    frmHistory& Window() { return program->gameHistory; }
    std::string Cell(int row, int col) { return Window().grdHistory.TextAt(row, col); }
};

TEST_F(HistoryWindow, TheTableFollowsTheFigureAndThePointerNamesATurn) {
    int redrawn = 0;
    Window().chartChanged.Subscribe([&redrawn](const Changed&) { ++redrawn; });
    program->winQZ.mnuHistory.Click();
    ASSERT_TRUE(Window().IsVisible());
    ASSERT_EQ(Window().grdHistory.Rows(), 3);
    EXPECT_EQ(Cell(0, 0), "Turn");
    EXPECT_EQ(Cell(2, 0), "1881.2");
    EXPECT_EQ(Cell(0, 1), "ESK");
    EXPECT_EQ(Cell(1, 1), "11"); // supply centres
    Window().optFigure.Choose(1);
    EXPECT_EQ(Cell(1, 1), "5"); // units
    EXPECT_EQ(Window().Chart().figure, HistoryFigure::Units);
    EXPECT_GE(redrawn, 2);

    Window().SetChartSize(500, 300);
    const HistoryChart& chart = Window().Chart();
    EXPECT_EQ(chart.width, 500);
    Window().PointerAt(Point32{chart.XOf(6), chart.plot.top + 5});
    EXPECT_EQ(Window().Marked(), 6);
    EXPECT_EQ(Window().lblPointer.Text().substr(0, 14), "1881.2: ESK 6,");
    Window().PointerAt(std::nullopt);
    EXPECT_EQ(Window().lblPointer.Text(), "");
    EXPECT_TRUE(Window().lblSkipped.Text().empty());
}

TEST_F(HistoryWindow, ExportsTheChartAsSvgAndLeavesPngToTheDesktop) {
    program->winQZ.mnuHistory.Click();
    const std::string target = (std::filesystem::path(temp.Folder()) / "chart.svg").string();
    platform.AnswerOpen(target);
    Window().cmdSvg.Click();
    EXPECT_EQ(platform.dialogRequests.back().fileName, Game().ReportDir + "history-1881-2.svg");
    std::ifstream in(target);
    std::ostringstream svg;
    svg << in.rdbuf();
    EXPECT_NE(svg.str().find("<title>QZ001 Eskarin Kingdom: Supply centres</title>"),
              std::string::npos);
    EXPECT_NE(svg.str().find(">ESK Eskarin Kingdom</text>"), std::string::npos);

    Window().cmdPng.Click();
    EXPECT_EQ(platform.messages.back().text,
              "PNG pictures are made by the desktop program; export SVG here");
    HistoryPictureJob written;
    Window().writePng = [&written](const HistoryPictureJob& job) {
        written = job;
        return std::string("the disk is full");
    };
    platform.AnswerOpen(temp.Folder() + "chart.png");
    Window().cmdPng.Click();
    EXPECT_EQ(written.chart.width, frmHistory::kExportWidth);
    EXPECT_EQ(platform.messages.back().text,
              "Can't export the chart to " + temp.Folder() + "chart.png: the disk is full");
}

TEST_F(HistoryWindow, AReportMergedReadsTheTurnsAgain) {
    program->winQZ.mnuHistory.Click();
    const std::string game = temp.Folder() + "game/";
    std::ifstream in(game + "1881-2/plyrdata.003");
    std::ostringstream report;
    report << in.rdbuf();
    std::string later = report.str();
    later.replace(later.find("1881,2"), 6, "1882,1");
    std::filesystem::create_directories(game + "1882-1");
    std::ofstream(game + "1882-1/plyrdata.003") << later;
    EXPECT_EQ(Window().grdHistory.Rows(), 3);
    platform.AnswerOpen(game + "1880-1/plyrdata.005");
    program->winQZ.mnuMerge.Click();
    ASSERT_EQ(Window().grdHistory.Rows(), 4);
    EXPECT_EQ(Cell(3, 0), "1882.1");
}

} // namespace
} // namespace dered::test
