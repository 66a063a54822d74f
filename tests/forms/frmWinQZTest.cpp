#include "app/Program.h"
#include "files/MapFiles.h"
#include "forms/AreaDisplay.h"
#include "orders/OrderList.h"
#include "platform/SystemDisk.h"
#include "support/MemoryIni.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

    Program& Start(const std::string& commandLine = {}, const std::string& programDir = "no-map") {
        const std::string dir = programDir == "no-map" ? (folder / "no-map").string() : programDir;
        program.reset();
        program = std::make_unique<Program>(
            platform, ini, disk,
            ProgramOptions{OnlyFolder(dir), commandLine, (folder / "state").string() + "/"});
        program->Start();
        return *program;
    }
    // "&Save", past the check's question when it finds something.
    void SaveAnyway(Program& p) {
        p.winQZ.mnuSave.Click();
        if (p.saveCheck.IsVisible()) {
            p.saveCheck.cmdSave.Click();
        }
    }
    std::string RecoveryFile() const {
        return (folder / "state" / "QZ042-player2-1880-3.orders").string();
    }
    std::string ReportPath() const { return (folder / "turn" / "plyrdata.002").string(); }
    bool Shown(const std::string& event) const {
        return std::count(platform.events.begin(), platform.events.end(), event) > 0;
    }

    test::TempFolder temp{"dered-winqz-"};
    fs::path folder = fs::path(temp.Folder()).parent_path();
    test::RecordingPlatform platform;
    test::MemoryIni ini;
    SystemDisk disk;
    std::unique_ptr<Program> program;
};

TEST_F(frmWinQZTest, StartsWithDesignCaptionGridsAndSummary) {
    Program& p = Start("   ");
    frmWinQZ& win = p.winQZ;
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
    EXPECT_TRUE(Shown("show frmSummary"));
    EXPECT_TRUE(platform.messages.empty()); // blanks are no command line
}

TEST_F(frmWinQZTest, CommandLineReportLoadsAndLeavesOpenEnabled) {
    platform.messagesAsEvents = true;
    Program& p = Start(" " + ReportPath() + " ");
    const GameState& game = p.records.documents.Shown().records;
    EXPECT_EQ(game.GameId, "QZ042");
    EXPECT_EQ(game.ReportDir, (folder / "turn").string() + "/");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    EXPECT_FALSE(p.winQZ.mnuVictoryConditions.Enabled()); // turn 3
    EXPECT_EQ(p.winQZ.caption.Text(),
              "QZ042 Boreal Union           Der-ED             Date: 1880.3(3)");
    EXPECT_EQ(p.summary.grdSummary.TextAt(0, 1), "1");
    // Without map files the program goes on without a map, and says which file is missing.
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0], (test::Message{"No old orders to read in", MsgIcon::None}));
    EXPECT_EQ(platform.messages[1].icon, MsgIcon::Critical);
    EXPECT_NE(platform.messages[1].text.find("map-area.dat"), std::string::npos);
    EXPECT_FALSE(Shown("show frmMap"));
    // The windows are up before the first message, so that it appears over them.
    const auto at = [&](const std::string& event) {
        return std::find(platform.events.begin(), platform.events.end(), event) -
               platform.events.begin();
    };
    EXPECT_LT(at("show frmWinQZ"), at("message No old orders to read in"));
    EXPECT_LT(at("show frmSummary"), at("message No old orders to read in"));
}

TEST_F(frmWinQZTest, CancelledOpenChangesNothing) {
    Program& p = Start();
    p.winQZ.mnuOpen.Click();
    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    const OpenFileRequest& r = platform.dialogRequests[0];
    EXPECT_EQ(r.filter, "QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*");
    EXPECT_EQ(r.defaultExt, "CMD");
    EXPECT_EQ(r.fileName, "plyrdata.*");
    EXPECT_EQ(r.title, "Open");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.pointers.empty());
}

TEST_F(frmWinQZTest, OpenThenMergeDisablesOpenAndKeepsMergeEnabled) {
    Program& p = Start();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuOpen.Click();
    EXPECT_FALSE(p.winQZ.mnuOpen.Enabled());
    // A disabled item says why; the recent reports with it.
    EXPECT_EQ(p.winQZ.mnuOpen.WhyDisabled(), kOpenOnce);
    EXPECT_EQ(p.winQZ.mnuRecentReport[0].WhyDisabled(), kOpenOnce);
    EXPECT_EQ(p.winQZ.mnuVictoryConditions.WhyDisabled(),
              "Victory conditions are set on the first turn of a game only");
    EXPECT_EQ(p.winQZ.mnuUndo.WhyDisabled(), "Nothing to undo yet");
    EXPECT_EQ(p.records.documents.Shown().records.Areas[17].UnitKind, 4);
    EXPECT_EQ(platform.pointers.front(), Pointer::Hourglass);
    EXPECT_EQ(platform.pointers.back(), Pointer::Default);

    platform.messages.clear();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuMerge.Click();
    EXPECT_EQ(platform.dialogRequests.back().title, "Merge");
    EXPECT_TRUE(p.winQZ.mnuMerge.Enabled());
    // The same data again: nothing disagrees; only the missing map files are named again.
    for (const test::Message& m : platform.messages) {
        EXPECT_EQ(m.text.rfind("Map file ", 0), 0u) << m.text;
    }
}

TEST_F(frmWinQZTest, AMergeBeforeAnyReportShowsTheMap) {
    Program& p = Start({}, std::string(DERED_SOURCE_DIR) + "/data");
    EXPECT_FALSE(Shown("show frmMap"));
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuMerge.Click();
    EXPECT_TRUE(Shown("show frmMap"));
}

TEST_F(frmWinQZTest, AFailedOpenOrMergeChangesNothing) {
    std::ofstream(folder / "turn" / "plyrdata.003", std::ios::binary) << "just a letter\r\n";
    fs::create_directories(folder / "elsewhere" / "plyrdata.004");
    const std::string refused[] = {
        (folder / "elsewhere" / "plyrdata.009").string(), // missing
        (folder / "elsewhere" / "plyrdata.004").string(), // a folder
        (folder / "turn" / "plyrdata.003").string(),      // no report
    };
    Program& p = Start(ReportPath());
    p.records.documents.Shown().records.Areas[1].Command = "AA"; // an order not yet saved
    const GameState before = p.records.documents.Shown().records;
    for (const std::string& path : refused) {
        for (MenuItemModel* item : {&p.winQZ.mnuOpen, &p.winQZ.mnuMerge}) {
            platform.messages.clear();
            platform.answers = {Answer::Discard};
            platform.AnswerOpen(path);
            item->Click();
            EXPECT_EQ(p.records.documents.Shown().records, before) << path;
            EXPECT_TRUE(platform.questions.empty()) << "refused before anything is asked";
            EXPECT_TRUE(p.winQZ.mnuOpen.Enabled()) << path;
            EXPECT_EQ(platform.messages.size(), 1u) << path;
        }
    }
    SaveAnyway(p);
    EXPECT_TRUE(fs::exists(folder / "turn" / "commands.dat")) << "saved where the turn is";
}

TEST_F(frmWinQZTest, RefusedReportStillFillsTheGridFromUnchangedTables) {
    std::ofstream(folder / "turn" / "plyrdata.002", std::ios::binary) << "QZ042\r\n2,\"pc\",18";
    Program& p = Start();
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuOpen.Click();
    EXPECT_EQ(p.records.documents.Shown().records.GameId, "");
    EXPECT_EQ(p.records.documents.Shown().records.ReportDir, "");
    EXPECT_EQ(p.winQZ.caption.Text(), "Roz-OD2 V2.06 32-bit");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    EXPECT_EQ(p.winQZ.grdArea.TextAt(5, ColId), "5");
    ASSERT_GE(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
}

TEST_F(frmWinQZTest, FailedSaveIsReportedNotSwallowed) {
    Program& p = Start(ReportPath());
    p.records.documents.Shown().records.ReportDir = (folder / "gone").string() + "/";
    platform.messages.clear();
    p.winQZ.mnuSave_Click(); // past the check before saving
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
    EXPECT_NE(platform.messages[0].text.find("gone/orders.tmp"), std::string::npos);
    EXPECT_EQ(p.winQZ.stbStatus.Text(), "Not saved");

    const std::string dir = (folder / "turn").string() + "/";
    p.records.documents.Shown().records.ReportDir = dir;
    platform.messages.clear();
    p.winQZ.mnuSave_Click(); // past the check before saving
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(fs::exists(folder / "turn" / "commands.dat"));
    EXPECT_EQ(p.winQZ.stbStatus.Text(), "Saved 0 orders to " + dir + "commands.dat");

    p.records.documents.Shown().records.Areas[2].Command = "RU";
    SaveAnyway(p);
    EXPECT_EQ(p.winQZ.stbStatus.Text(), "Saved 1 order to " + dir + "commands.dat");
}

TEST_F(frmWinQZTest, MenuShortcutsAndTheOrderReference) {
    Program& p = Start();
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"mnuOpen", "Ctrl+O"}, {"mnuSave", "Ctrl+S"}, {"mnuExit", "Ctrl+Q"},
        {"mnuOrders", "F1"},   {"mnuMerge", ""},      {"mnuAbout", ""}};
    for (const auto& [name, key] : keys) {
        ASSERT_NE(p.winQZ.FindMenuItem(name), nullptr) << name;
        EXPECT_EQ(p.winQZ.FindMenuItem(name)->Shortcut(), key) << name;
    }
    EXPECT_EQ(p.winQZ.mnuOrders.Caption(), "&Orders");
    p.winQZ.mnuOrders.Click();
    EXPECT_TRUE(p.orders.IsVisible());
    EXPECT_EQ(p.orders.caption.Text(), "Orders");
    EXPECT_NE(p.orders.txtReference.Text().find("CO  convoy"), std::string::npos);
}

TEST_F(frmWinQZTest, GridClicksSelectAreasUnlessAnOrderWaits) {
    Program& p = Start();
    p.winQZ.grdArea.SetRow(12);
    p.winQZ.grdArea_Click();
    EXPECT_EQ(p.records.documents.Shown().records.SelectedArea, 12);
    p.records.documents.Shown().records.PendingCommand = MapCommand::Move;
    p.winQZ.grdArea.SetRow(40);
    p.winQZ.grdArea_DblClick();
    EXPECT_EQ(p.records.documents.Shown().records.SelectedArea, 12);
    p.records.documents.Shown().records.PendingCommand = MapCommand::None;
    p.winQZ.grdArea_DblClick();
    EXPECT_EQ(p.records.documents.Shown().records.SelectedArea, 40);
}

TEST_F(frmWinQZTest, MinimisingHidesCompanionsAndRestoringShowsThem) {
    Program& p = Start();
    p.winQZ.Form_Resize(WindowState::Minimized);
    EXPECT_FALSE(p.summary.IsVisible());
    p.winQZ.Form_Resize(WindowState::Normal);
    EXPECT_TRUE(p.summary.IsVisible());
}

TEST_F(frmWinQZTest, UnsavedOrdersAreSavedDiscardedOrKeptByTheAnswer) {
    const struct {
        Answer answer;
        bool ended;
        bool saved;
    } cases[] = {
        {Answer::Save, true, true},
        {Answer::Discard, true, false},
        {Answer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        for (const bool viaOpen : {false, true}) {
            for (const char* name : {"commands.dat", "orders.tmp"}) {
                fs::remove(folder / "turn" / name);
            }
            fs::remove_all(folder / "state");
            platform.ended = false;
            Program& p = Start(ReportPath());
            p.winQZ.mnuExit.Click(); // nothing entered: no question
            EXPECT_TRUE(platform.questions.empty());
            platform.ended = false;
            ini.writes.clear();
            EXPECT_NE(AddOrder(p.records.documents.Shown().records, "DA", 1, 0, 0, 0).slot, 0);
            p.events.ListOrdersChanged();
            ASSERT_TRUE(fs::exists(RecoveryFile()));
            platform.answers = {c.answer};
            if (viaOpen) {
                platform.AnswerOpen(ReportPath());
                p.winQZ.mnuOpen.Click();
                // Read afresh, with the orders just saved, unless cancelled.
                EXPECT_EQ(p.records.documents.Shown().records.OrderCount,
                          c.answer == Answer::Discard ? 2 : 3);
            } else {
                p.winQZ.mnuExit.Click();
                EXPECT_EQ(platform.ended, c.ended);
                EXPECT_EQ(ini.writes.empty(), !c.ended) << "settings saved on the way out";
            }
            EXPECT_EQ(platform.questions, (std::vector<std::pair<std::string, std::string>>{
                                              {"unsaved", "Save the orders of this turn?"}}));
            EXPECT_EQ(fs::exists(folder / "turn" / "commands.dat"), c.saved);
            // Discarded orders are not offered back at the next start.
            EXPECT_EQ(fs::exists(RecoveryFile()), c.answer == Answer::Cancel);
            platform.questions.clear();
        }
    }
}

TEST_F(frmWinQZTest, EveryOrderChangeIsKeptAndOfferedBackAfterACrash) {
    Program& p = Start(ReportPath());
    EXPECT_FALSE(fs::exists(RecoveryFile()));
    EXPECT_NE(AddOrder(p.records.documents.Shown().records, "DA", 1, 0, 0, 0).slot, 0);
    p.events.ListOrdersChanged();
    ASSERT_TRUE(fs::exists(RecoveryFile()));
    p.records.documents.Shown().records.Areas[1].Command = "AA";
    p.events.AreaOrderChanged(1);
    EXPECT_EQ(p.winQZ.grdArea.TextAt(1, ColCommand), "AA"); // the grid shows it at once
    const GameState entered = p.records.documents.Shown().records;

    // The program ends without a save; opened again, the turn offers the orders back.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        platform.questions.clear();
        platform.answers = {answer};
        Program& again = Start(ReportPath());
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].first, "recover");
        EXPECT_EQ(again.records.documents.Shown().records.Areas[1].Command,
                  answer == Answer::Yes ? "AA" : "");
        EXPECT_EQ(again.records.documents.Shown().records.Orders[3].Code,
                  answer == Answer::Yes ? "DA" : "");
    }
    EXPECT_EQ(program->records.documents.Shown().records.Orders[3], entered.Orders[3]);
    EXPECT_TRUE(program->winQZ.Keeper().Unsaved()) << "restored orders are not saved yet";
    SaveAnyway(*program);
    EXPECT_FALSE(fs::exists(RecoveryFile())) << "a save removes it";
    platform.questions.clear();
    Start(ReportPath());
    EXPECT_TRUE(platform.questions.empty()) << "the saved orders are newer";
}

// A save killed between writing and renaming leaves its temporaries; the next program to open
// the turn removes those of writers that are gone, and only those.
TEST_F(frmWinQZTest, OpeningATurnRemovesTheTemporariesOfSavesThatDied) {
    const std::string dead = "4194305"; // past the largest process number Linux gives
    const std::string alive = std::to_string(disk.ProcessId());
    const std::vector<fs::path> left = {folder / "turn" / ("orders.tmp." + dead + "-7.new"),
                                        folder / "turn" / ("commands.dat." + dead + "-7.old"),
                                        RecoveryFile() + "." + dead + "-9.new"};
    const std::vector<fs::path> kept = {folder / "turn" / ("orders.tmp." + alive + "-1.new"),
                                        folder / "turn" / "orders.tmp.7-1.bak",
                                        folder / "turn" / ("plyrdata.002." + dead + "-7.new")};
    fs::create_directories(folder / "state");
    for (const std::vector<fs::path>& files : {left, kept}) {
        for (const fs::path& file : files) {
            std::ofstream(file) << "part";
        }
    }
    Start(ReportPath());
    for (const fs::path& file : left) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
    for (const fs::path& file : kept) {
        EXPECT_TRUE(fs::exists(file)) << file;
    }
}

// Exit saves the settings and ends, closing the window does not; the three windows come back
// where they were, and a window never placed keeps no line.
TEST_F(frmWinQZTest, ExitSavesSettingsAndWhereTheMainWindowsWereForTheNextStart) {
    Program& p = Start();
    p.winQZ.place = WindowRect{10, 20, 640, 700};
    p.summary.place = WindowRect{650, 0, 300, 260};
    p.winQZ.Form_Unload();
    EXPECT_TRUE(ini.writes.empty());
    p.winQZ.mnuExit.Click();
    EXPECT_NE(ini.GetString("Colours", "Borders", ""), "");
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(ini.GetString("Window Places", "frmWinQZ", ""), "10,20,640,700");
    EXPECT_EQ(ini.GetString("Window Places", "frmMap", ""), "");
    Program& again = Start();
    EXPECT_EQ(again.winQZ.place, (WindowRect{10, 20, 640, 700}));
    EXPECT_EQ(again.summary.place, (WindowRect{650, 0, 300, 260}));
    EXPECT_EQ(again.map.place, std::nullopt);
}

class frmWinQZRecentTest : public frmWinQZTest {
  protected:
    std::string SecondReport() const { return (folder / "next" / "plyrdata.002").string(); }
    void SetUp() override {
        frmWinQZTest::SetUp();
        fs::create_directories(folder / "next");
        std::string later = kReport;
        later.replace(later.find("1880,3"), 6, "1880,4");
        std::ofstream(SecondReport(), std::ios::binary) << later;
    }
    std::vector<std::string> RecentPaths() const {
        std::vector<std::string> paths;
        for (const RecentReport& r : program->winQZ.RecentReports()) {
            paths.push_back(r.path);
        }
        return paths;
    }
};

TEST_F(frmWinQZRecentTest, AnOpenedReportComesFirstAndTheDialogsStartInItsFolder) {
    ini.Set("Recent", "File1", SecondReport());
    ini.Set("Recent", "Title1", "QZ042 Boreal Union, 1880 turn 4");
    Program& p = Start();
    // Before any report the dialog starts in the folder of the last one opened.
    p.winQZ.mnuOpen.Click();
    EXPECT_EQ(platform.dialogRequests.back().initialDir, (folder / "next").string() + "/");
    platform.AnswerOpen(ReportPath());
    p.winQZ.mnuOpen.Click();
    EXPECT_EQ(RecentPaths(), (std::vector<std::string>{ReportPath(), SecondReport()}));
    EXPECT_EQ(p.winQZ.RecentReports().front().title, "QZ042 Boreal Union, 1880 turn 3");
    // The File menu shows them, most recent first, the places left over hidden.
    EXPECT_EQ(p.winQZ.mnuRecentReport[0].Caption(), "&1 QZ042 Boreal Union, 1880 turn 3");
    EXPECT_EQ(p.winQZ.mnuRecentReport[1].Caption(), "&2 QZ042 Boreal Union, 1880 turn 4");
    EXPECT_FALSE(p.winQZ.mnuRecentReport[1].Enabled()) << "as Open is";
    EXPECT_FALSE(p.winQZ.mnuRecentReport[2].Visible());
    EXPECT_EQ(p.winQZ.OpenReportPath(), ReportPath());
    EXPECT_EQ(ini.GetWholeString("Recent", "File1", ""), ReportPath());
    EXPECT_EQ(ini.GetWholeString("Recent", "File2", ""), SecondReport());
    p.winQZ.mnuMerge.Click();
    EXPECT_EQ(platform.dialogRequests.back().initialDir, (folder / "turn").string() + "/");
}

TEST_F(frmWinQZRecentTest, TheTwelfthPlayersReportIsTitledWithItsName) {
    std::string twelve = "Report for turn,\"x\"\r\nQZ042\r\n12,\"pc\",1880,3\r\nPlayers,12\r\n";
    for (int n = 0; n <= MaxPlayer; ++n) {
        twelve += "P,\"Power " + std::to_string(n) + "\",\"\"\r\n";
    }
    std::ofstream(SecondReport(), std::ios::binary) << twelve << "Number of Areas =,0\r\n";
    Program& p = Start();
    platform.AnswerOpen(SecondReport());
    p.winQZ.mnuOpen.Click();
    ASSERT_FALSE(p.winQZ.RecentReports().empty());
    EXPECT_EQ(p.winQZ.RecentReports().front().title, "QZ042 Power 12, 1880 turn 3");
}

TEST_F(frmWinQZRecentTest, ChosenFromTheListItOpensAsOpenWouldAndAMissingOneIsDropped) {
    ini.Set("Recent", "File1", (folder / "gone" / "plyrdata.002").string());
    ini.Set("Recent", "File2", SecondReport());
    Program& p = Start();
    p.winQZ.mnuRecent_Click(1);
    EXPECT_EQ(platform.messages.back(),
              (test::Message{"The report " + (folder / "gone" / "plyrdata.002").string() +
                                 " is no longer there; it is taken off the recent reports.",
                             MsgIcon::Exclamation}));
    EXPECT_EQ(RecentPaths(), (std::vector<std::string>{SecondReport()}));
    EXPECT_EQ(ini.GetWholeString("Recent", "File2", "unset"), "");
    EXPECT_TRUE(p.records.documents.Shown().records.GameId.empty());
    p.winQZ.mnuRecent_Click(0); // places that hold nothing
    p.winQZ.mnuRecent_Click(2);
    EXPECT_TRUE(p.records.documents.Shown().records.GameId.empty());
    p.winQZ.mnuRecent_Click(1);
    EXPECT_EQ(p.records.documents.Shown().records.GameTurn, 4);
    EXPECT_FALSE(p.winQZ.mnuOpen.Enabled());
    // With Open disabled, so is the list.
    p.winQZ.mnuRecent_Click(1);
    EXPECT_EQ(p.winQZ.OpenReportPath(), SecondReport());
}

TEST_F(frmWinQZRecentTest, ADroppedReportOpensAsOpenWouldAndWithShiftMerges) {
    Program& p = Start();
    p.winQZ.DropReport((folder / "gone" / "plyrdata.002").string(), false);
    EXPECT_EQ(platform.messages.front().text,
              "Can't read report plyrdata.002: there is no such file");
    EXPECT_TRUE(p.winQZ.mnuOpen.Enabled());
    p.winQZ.DropReport(ReportPath(), false);
    EXPECT_EQ(p.winQZ.OpenReportPath(), ReportPath());
    EXPECT_FALSE(p.winQZ.mnuOpen.Enabled());
    // A second plain drop would throw the turn away: only a merge is taken now.
    p.winQZ.DropReport(SecondReport(), false);
    EXPECT_EQ(platform.messages.back().text,
              "A report is open: drop a report with Shift held to merge it");
    EXPECT_EQ(p.winQZ.OpenReportPath(), ReportPath());
    platform.messages.clear();
    p.winQZ.DropReport(SecondReport(), true);
    EXPECT_EQ(p.records.documents.Shown().records.GameTurn, 3) << "a merge keeps the open turn";
    // Merged, it goes on to show the map as Merge does; here there are no map files.
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("Map file ", 0), 0u);
}

// An installed program: the map files in a folder the user cannot write, the user's data
// folder not made yet and first in the search.
class SaveHexDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(system_);
        for (const char* name : {MapAreaFileName, MapHexFileName}) {
            fs::copy_file(fs::path(DERED_SOURCE_DIR) / "data" / name, system_ / name);
        }
        fs::permissions(system_, fs::perms::owner_read | fs::perms::owner_exec);
    }
    void TearDown() override { fs::permissions(system_, fs::perms::owner_all); }

    // The permission bits stop anyone but root; the check is told the same, so that the
    // test means the same when run as root.
    ProgramOptions Options() const {
        ProgramOptions options{MapFolders{{user_, system_}, user_},
                               std::string(DERED_SOURCE_DIR) + "/data/demo/1880-1/plyrdata.003",
                               {}};
        options.folderWritable = [this](const fs::path& folder) {
            return folder != system_ && FolderWritable(folder);
        };
        return options;
    }
    std::unique_ptr<Program> Start() {
        auto program = std::make_unique<Program>(platform_, ini_, disk_, Options());
        program->Start();
        return program;
    }

    test::TempFolder temp_{"dered-savehex-"};
    fs::path system_ = temp_.Path("share") / "der-ed";
    fs::path user_ = temp_.Path("data") / "der-ed";
    test::RecordingPlatform platform_;
    test::MemoryIni ini_;
    SystemDisk disk_;
};

TEST_F(SaveHexDataTest, AReadOnlyMapFolderSendsTheSaveToTheUserFolderReadFirstNextTime) {
    auto program = Start();
    ASSERT_TRUE(program->winQZ.MapShown);
    EXPECT_EQ(program->records.documents.Shown().records.MapDir, (system_ / "").string());
    const HexCell before = program->records.hexMap.At(3, 4);
    program->records.hexMap.At(3, 4).Border[0] = before.Border[0] == 0 ? 1 : 0;

    platform_.AnswerOpen((system_ / MapHexFileName).string());
    program->winQZ.mnuSaveHexData.Click();
    ASSERT_TRUE(fs::exists(user_ / MapHexFileName));
    ASSERT_FALSE(platform_.messages.empty());
    EXPECT_EQ(platform_.messages.back().icon, MsgIcon::Information);
    EXPECT_NE(platform_.messages.back().text.find((user_ / MapHexFileName).string()),
              std::string::npos);

    program.reset();
    program = Start();
    EXPECT_EQ(program->records.documents.Shown().records.MapDir, (user_ / "").string());
    EXPECT_NE(program->records.hexMap.At(3, 4).Border[0], before.Border[0]);
}

} // namespace
} // namespace dered
