// Every Open starts from clean records: nothing of a turn opened before it reaches the next.
#include "orders/MoveRules.h"
#include "orders/UnitRules.h"
#include "state/CodeTables.h"
#include "support/DemoTurn.h"
#include "support/ListLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace dered::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFirst = "1880-1/plyrdata.003";
constexpr const char* kAlly = "1880-1/plyrdata.005";
constexpr const char* kLater = "1881-2/plyrdata.003";

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The fields that differ, for a failure message that says more than the bytes.
std::string Differences(const GameState& a, const GameState& b) {
    std::string out;
    for (int n = 1; n <= MaxArea; ++n) {
        if (!(a.Areas[n] == b.Areas[n])) {
            out += " area " + std::to_string(n) + " (" + a.Areas[n].Command + "/" +
                   b.Areas[n].Command + ")";
        }
    }
    for (int n = 1; n <= MaxOrderSlot; ++n) {
        if (!(a.Orders[n] == b.Orders[n])) {
            out += " slot " + std::to_string(n);
        }
    }
    const auto field = [&out](const char* name, bool same) {
        out += same ? "" : std::string(" ") + name;
    };
    field("players", a.Players == b.Players);
    field("counts", a.PlayerCount == b.PlayerCount && a.OrderCount == b.OrderCount);
    field("summary", a.Summary == b.Summary);
    field("entry", a.PendingCommand == b.PendingCommand && a.SelectedArea == b.SelectedArea &&
                       a.SupportedPlayer == b.SupportedPlayer);
    field("dirs", a.ReportDir == b.ReportDir && a.MapDir == b.MapDir);
    return out;
}

// What a turn leaves that a player or the game master could see.
struct Seen {
    GameState game;
    size_t undoSteps = 0;
    size_t redoSteps = 0;
    std::string undoCaption;
    std::string commands;
    std::string ordersTmp;
    bool operator==(const Seen&) const = default;
};

class OpenTurnTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(kSourceData) / "demo", game_, fs::copy_options::recursive);
    }
    void Start(const std::string& report) {
        program.reset();
        platform.answers.clear();
        program = std::make_unique<Program>(
            platform, ini, disk,
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), report.empty() ? "" : Path(report), {}});
        program->Start();
    }
    std::string Path(const std::string& report) const { return (game_ / report).string(); }
    GameState& Game() { return program->records.documents.Shown().records; }
    void Open(const std::string& report, Answer answer) {
        platform.answers = {answer};
        platform.AnswerOpen(Path(report));
        program->winQZ.mnuOpen.Click();
    }
    Turn TheTurn() { return {Game(), program->events}; }
    void Move(int16_t from, int16_t to) {
        Turn turn = TheTurn();
        (void)MoveOrder(turn, from, to);
    }
    // Orders of every kind the turn keeps: a move, a build, a list order, one undone.
    void EnterOrders() {
        Move(118, 106);
        Turn turn = TheTurn();
        (void)BuildUnit(turn, 134, Army);
        program->winQZ.mnuSpy.Click();
        program->spy.AddTarget(27);
        program->forms.Unload(program->spy);
        Move(124, 125);
        program->winQZ.mnuUndo.Click();
    }
    Seen Look() {
        Seen seen{Game(),
                  program->history.UndoCount(),
                  program->history.CanRedo() ? 1u : 0u,
                  program->winQZ.mnuUndo.Caption(),
                  {},
                  {}};
        program->winQZ.mnuSave.Click();
        if (program->saveCheck.IsVisible()) {
            program->saveCheck.cmdSave.Click();
        }
        seen.commands = Slurp(fs::path(Game().ReportDir) / "commands.dat");
        seen.ordersTmp = Slurp(fs::path(Game().ReportDir) / "orders.tmp");
        fs::remove(fs::path(Game().ReportDir) / "commands.dat");
        fs::remove(fs::path(Game().ReportDir) / "orders.tmp");
        return seen;
    }
    Seen Alone(const std::string& report) {
        Start("");
        Open(report, Answer::Cancel);
        return Look();
    }

    TempFolder temp{"dered-open-"};
    fs::path game_ = fs::path(temp.Folder()) / "game";
    RecordingPlatform platform;
    MemoryIni ini;
    SystemDisk disk;
    std::unique_ptr<Program> program;
};

TEST_F(OpenTurnTest, AReportOpenedAfterAnotherHoldsExactlyWhatItHoldsAlone) {
    struct Case {
        const char* first;
        const char* second;
        Answer answer;
    };
    for (const Case& c : {Case{kFirst, kLater, Answer::Discard}, Case{kLater, kFirst, Answer::Save},
                          Case{kFirst, kAlly, Answer::Discard}}) {
        SCOPED_TRACE(std::string(c.first) + " then " + c.second);
        const Seen alone = Alone(c.second);
        Start(c.first);
        EnterOrders();
        platform.AnswerOpen(Path(kAlly));
        program->winQZ.mnuMerge.Click();
        if (std::string(c.first) == kLater) {
            program->winQZ.mnuTurns.Click();
            Choose(program->turns.lstTurns, 0);
            program->turns.cmdOpen.Click();
            ASSERT_TRUE(program->winQZ.ShowsEarlierTurn());
            program->turns.cmdBack_Click();
        }
        // The menu item is disabled after a merge; the handler still starts from clean records.
        platform.answers.push_back(c.answer);
        platform.AnswerOpen(Path(c.second));
        program->winQZ.mnuOpen_Click();
        EXPECT_FALSE(program->turns.IsLoaded());
        EXPECT_TRUE(program->map.canvas.ChangedAreas().empty());
        const Seen after = Look();
        EXPECT_EQ(Differences(after.game, alone.game), "");
        EXPECT_EQ(after, alone);
        fs::remove(fs::path(Path(c.first)).parent_path() / "commands.dat");
        fs::remove(fs::path(Path(c.first)).parent_path() / "orders.tmp");
    }
}

// Cancel at the question keeps the open turn exactly as it was.
TEST_F(OpenTurnTest, CancelKeepsTheOpenTurn) {
    Start(kFirst);
    Move(118, 106);
    const GameState before = Game();
    Open(kLater, Answer::Cancel);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(Differences(Game(), before), "");
    EXPECT_FALSE(fs::exists(game_ / "1881-2" / "commands.dat"));
}

} // namespace
} // namespace dered::test
