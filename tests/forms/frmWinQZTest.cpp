#include "app/Program.h"
#include "forms/AreaDisplay.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace dered {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReport = "Report for turn,\"Der Spieler\"\r\n"
                                "QZ042\r\n"
                                "2,\"pc-77\",1880,3\r\n"
                                "Players,3\r\n"
                                "Neut,\"Neutral\",\"AAN\"\r\n"
                                "ALB,\"Albion\",\"AAW\"\r\n"
                                "BOR,\"Boreal Union\",\"WAA\"\r\n"
                                "X,\"Nobody\",\"\"\r\n"
                                "Number of Areas =,3\r\n"
                                "1,2,2,1\r\n"
                                "2,2,0,0\r\n"
                                "17,0,2,4\r\n";

class frmWinQZTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "turn");
        std::ofstream(folder / "turn" / "plyrdata.002", std::ios::binary) << kReport;
    }

    Program& Start(const std::string& commandLine = {}) {
        program = std::make_unique<Program>(
            platform, ini, ProgramOptions{(folder / "no-map").string(), commandLine});
        program->Start();
        return *program;
    }
    std::string ReportPath() const { return (folder / "turn" / "plyrdata.002").string(); }
    bool Shown(const std::string& event) const {
        return std::count(platform.events.begin(), platform.events.end(), event) > 0;
    }

    test::TempFolder temp{"dered-winqz-"};
    fs::path folder = fs::path(temp.Folder()).parent_path();
    test::RecordingPlatform platform;
    test::MemoryIni ini;
    std::unique_ptr<Program> program;
};

TEST_F(frmWinQZTest, StartsWithDesignCaptionGridsAndSummary) {
    Program& p = Start("   ");
    frmWinQZ& win = p.winQZ;
    EXPECT_EQ(p.records.game.ProgramDir, (folder / "no-map").string() + "/");
    EXPECT_EQ(win.grdArea.Rows(), 294);
    // Widths are the sample texts plus 4 pixels; the recording platform measures 7 a character.
    EXPECT_EQ(win.grdArea.ColWidth(0), 5 * 7 + 4);
    EXPECT_EQ(win.grdArea.ColWidth(1), 26 * 7 + 4);
    EXPECT_EQ(win.grdArea.ColAlignment(0), Alignment::Right);
    EXPECT_EQ(win.grdArea.FixedAlignment(4), Alignment::Centre);
    int area = 0;
    int unit = 0;
    for (int c = 0; c < 10; ++c) {
        (c < 5 ? area : unit) += win.grdArea.ColWidth(c);
    }
    EXPECT_EQ(win.grdAreaTitle.ColWidth(0), area + 4);
    EXPECT_EQ(win.grdAreaTitle.ColWidth(1), unit + 4 + 16);
    EXPECT_TRUE(win.SummaryShown);
    EXPECT_TRUE(Shown("show frmSummary"));
    EXPECT_TRUE(platform.messages.empty()); // blanks are no command line
    EXPECT_EQ(p.records.game.GameId, "");
}

TEST_F(frmWinQZTest, CommandLineReportLoadsAndLeavesOpenEnabled) {
    Program& p = Start(" " + ReportPath() + " ");
    const GameState& game = p.records.game;
    EXPECT_EQ(game.GameId, "QZ042");
    EXPECT_EQ(game.ReportDir, (folder / "turn").string() + "/");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    EXPECT_FALSE(p.winQZ.mnuVictoryConditions.Enabled()); // turn 3
    EXPECT_EQ(p.winQZ.caption.Text(),
              "QZ042 Boreal Union           Der-ED             Date: 1880.3(3)");
    EXPECT_EQ(p.winQZ.grdArea.TextAt(1, ColUnitKind), "army");
    EXPECT_EQ(p.summary.grdSummary.TextAt(0, 1), "1");
    // Without map files the program goes on without a map, and says which file is missing.
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0], (test::Message{"No old orders to read in", MsgIcon::None}));
    EXPECT_EQ(platform.messages[1].icon, MsgIcon::Critical);
    EXPECT_NE(platform.messages[1].text.find("map-area.dat"), std::string::npos);
    EXPECT_FALSE(p.winQZ.MapShown);
    EXPECT_FALSE(Shown("show frmMap"));
}

TEST_F(frmWinQZTest, CancelledOpenChangesNothing) {
    Program& p = Start();
    p.winQZ.mnuOpen.Click();
    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    const OpenFileRequest& r = platform.dialogRequests[0];
    EXPECT_EQ(r.filter, "QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*");
    EXPECT_EQ(r.defaultExt, "CMD");
    EXPECT_EQ(r.fileName, "plyrdata.*");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.pointers.empty());
}

TEST_F(frmWinQZTest, OpenThenMergeDisablesOpenAndKeepsMergeEnabled) {
    Program& p = Start();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuOpen.Click();
    EXPECT_FALSE(p.winQZ.mnuOpen.Enabled());
    EXPECT_EQ(p.records.game.Areas[17].UnitKind, 4);
    EXPECT_EQ(platform.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);

    platform.messages.clear();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuMerge.Click();
    EXPECT_TRUE(p.winQZ.mnuMerge.Enabled());
    EXPECT_TRUE(platform.messages.empty()); // the same data again: nothing disagrees
}

TEST_F(frmWinQZTest, RefusedReportStillFillsTheGridFromUnchangedTables) {
    std::ofstream(folder / "turn" / "plyrdata.002", std::ios::binary) << "QZ042\r\n2,\"pc\",18";
    Program& p = Start();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuOpen.Click();
    EXPECT_EQ(p.records.game.GameId, "");
    EXPECT_EQ(p.winQZ.caption.Text(), "Roz-OD2 V2.06 32-bit");
    EXPECT_FALSE(p.winQZ.mnuOpen.Enabled());
    EXPECT_EQ(p.winQZ.grdArea.TextAt(5, ColId), "5");
    ASSERT_GE(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
}

TEST_F(frmWinQZTest, FailedSaveIsReportedNotSwallowed) {
    Program& p = Start(ReportPath());
    p.records.game.ReportDir = (folder / "gone").string() + "/";
    platform.messages.clear();
    p.winQZ.mnuSave.Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
    EXPECT_NE(platform.messages[0].text.find("commands.dat"), std::string::npos);

    p.records.game.ReportDir = (folder / "turn").string() + "/";
    platform.messages.clear();
    p.winQZ.mnuSave.Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(fs::exists(folder / "turn" / "commands.dat"));
}

TEST_F(frmWinQZTest, GridClicksSelectAreasUnlessAnOrderWaits) {
    Program& p = Start();
    p.winQZ.grdArea.SetRow(12);
    p.winQZ.grdArea_Click();
    EXPECT_EQ(p.records.game.SelectedArea, 12);
    p.records.game.PendingCommand = MapCommand::Move;
    p.winQZ.grdArea.SetRow(40);
    p.winQZ.grdArea_DblClick();
    EXPECT_EQ(p.records.game.SelectedArea, 12);
    p.records.game.PendingCommand = MapCommand::None;
    p.winQZ.grdArea_DblClick();
    EXPECT_EQ(p.records.game.SelectedArea, 40);
}

TEST_F(frmWinQZTest, CallToArmsIsRefusedInTheFirstThreeTurns) {
    Program& p = Start(ReportPath());
    platform.messages.clear();
    p.winQZ.mnuCallToArms.Click();
    EXPECT_EQ(platform.messages, (std::vector<test::Message>{
                                     {"Can't declare war or call to arms on the first three turns",
                                      MsgIcon::Information}}));
    platform.messages.clear();
    p.records.game.GameTurn = 4;
    p.winQZ.mnuCallToArms.Click();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(frmWinQZTest, MinimisingHidesCompanionsAndRestoringShowsThem) {
    Program& p = Start();
    p.winQZ.Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(p.summary.IsVisible());
    p.winQZ.Form_Resize(WindowState::Normal);
    EXPECT_TRUE(p.summary.IsVisible());
}

TEST_F(frmWinQZTest, ExitSavesSettingsAndEndsButClosingDoesNot) {
    Program& p = Start();
    p.winQZ.Form_Unload();
    EXPECT_TRUE(ini.writes.empty());
    p.winQZ.mnuExit.Click();
    EXPECT_EQ(ini.writes.front().first, "Colours/Borders");
    EXPECT_TRUE(platform.ended);
}

} // namespace
} // namespace dered
