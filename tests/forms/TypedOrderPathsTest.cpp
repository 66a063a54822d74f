#include "files/OrdersFile.h"
#include "map/Geometry.h"
#include "state/CodeTables.h"
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

#include <random>

namespace dered::test {
namespace {

// A demo game's turn, the first by default, in a program of its own.
struct Desk {
    explicit Desk(const char* report = "1880-1/plyrdata.003") {
        namespace fs = std::filesystem;
        const fs::path game = fs::path(temp.Folder()) / "game";
        fs::copy(fs::path(kSourceData) / "demo", game, fs::copy_options::recursive);
        program = std::make_unique<Program>(
            platform, ini, disk,
            ProgramOptions{OnlyFolder(DERED_BINARY_DIR), (game / report).string(), {}});
        program->Start();
        platform.messages.clear();
    }
    GameState& Game() { return program->records.documents.Shown().records; }
    frmMap& Map() { return program->map; }

    TempFolder temp{"dered-typed-"};
    RecordingPlatform platform;
    MemoryIni ini;
    SystemDisk disk;
    std::unique_ptr<Program> program;
};

struct Step {
    size_t kind; // index into kOrderKinds; kAreaOrderKinds: withdraw
    int16_t area;
    int16_t target;
    int16_t supported;
};

// The same order by mouse on one program and typed on another.
class TypedOrderPaths : public ::testing::Test {
  protected:
    void Click(Desk& desk, int16_t area, bool twice) {
        frmMap& map = desk.Map();
        const auto cell = FirstCellOfArea(desk.program->records.hexMap, area);
        const auto [x, y] = CellCentre(map.canvas.Geometry(), desk.program->records.settings,
                                       cell.value_or(CellRef{}));
        map.picView_MouseMove(0, 0, x, y);
        map.picView_MouseDown(kLeftButton, 0, x, y);
        map.picView_MouseUp(kLeftButton, 0, x, y);
        twice ? map.picView_DblClick() : map.picView_Click();
    }

    // Returns whose attack a support attack supports: the player chosen in the dialog, or the
    // own player when the wanted one is not on its list and the dialog is closed.
    int16_t ByMouse(const Step& step) {
        mouse.Map().optCommand.Choose(static_cast<int>(step.kind));
        Click(mouse, step.area, true);
        if (mouse.Game().PendingCommand == MapCommand::None) {
            return step.supported;
        }
        Click(mouse, step.target, false);
        frmSupportAttack& dialog = mouse.program->supportAttack;
        if (dialog.IsVisible()) {
            dialog.lstAllies.SetListIndex(dialog.lstAllies.IndexOfItemData(step.supported));
            if (dialog.lstAllies.ListIndex() >= 0) {
                dialog.lstAllies_DblClick();
            } else {
                mouse.program->forms.Unload(dialog); // closed: the own attack
            }
            return mouse.Game().SupportedPlayer;
        }
        return step.supported;
    }

    void ByTyping(const Step& step) {
        std::string text;
        if (step.kind == kAreaOrderKinds) {
            text = std::to_string(step.area) + " cancels";
        } else {
            const OrderKind& kind = kOrderKinds[step.kind];
            text = std::string(kind.code) + " " + std::to_string(step.area);
            if (kind.shape != OrderShape::PlainArea) {
                text += " " + std::to_string(step.target);
            }
            if (kind.shape == OrderShape::SupportAttack) {
                text += " " + std::to_string(step.supported);
            }
        }
        typed.Map().fields.txtOrder.SetText(text);
        typed.Map().fields.txtOrder_Enter();
        EXPECT_EQ(typed.Map().fields.txtOrder.Text(), "") << text; // read as an order
    }

    Desk mouse;
    Desk typed;
};

TEST_F(TypedOrderPaths, RandomOrdersEndInTheSameRecordsMessagesAndFiles) {
    const GameState& game = mouse.Game();
    std::vector<int16_t> own;
    for (int16_t a = 1; a <= MaxArea; ++a) {
        if (game.Areas[a].UnitOwner == game.OwnPlayer || game.Areas[a].Owner == game.OwnPlayer) {
            own.push_back(a);
        }
    }
    std::mt19937 random(20261208);
    for (int i = 0; i < 60; ++i) {
        const int16_t area = own[random() % own.size()];
        const auto& slots = game.Areas[area].Neighbour;
        const int16_t near = slots[random() % 4];
        const Step step{random() % (kAreaOrderKinds + 1), area,
                        near >= 1 ? near : static_cast<int16_t>(1 + random() % MaxArea),
                        static_cast<int16_t>(random() % 4 == 0 ? 0 : 1 + random() % 8)};
        SCOPED_TRACE("step " + std::to_string(i) + ": kind " + std::to_string(step.kind) +
                     " area " + std::to_string(area) + " target " + std::to_string(step.target));
        Step asTyped = step;
        asTyped.supported = ByMouse(step);
        ByTyping(asTyped);
        ASSERT_EQ(typed.Game().Areas, mouse.Game().Areas);
        ASSERT_EQ(typed.Game().Summary, mouse.Game().Summary);
        ASSERT_EQ(typed.Game().PendingCommand, mouse.Game().PendingCommand);
        ASSERT_EQ(typed.platform.messages, mouse.platform.messages);
        ASSERT_EQ(typed.program->history.UndoCount(), mouse.program->history.UndoCount());
    }
    EXPECT_EQ(FormatOrders(typed.Game()).commands, FormatOrders(mouse.Game()).commands);
    mouse.program->winQZ.mnuSave.Click();
    typed.program->winQZ.mnuSave.Click();
    EXPECT_EQ(typed.platform.messages, mouse.platform.messages);
}

// Declarations given in their window on one program, each chosen at random among what the
// window offers, and typed on the other, on the later turn, where war can be declared.
TEST(TypedListOrderPaths, RandomDeclarationsEndInTheSameOrderListMessagesAndFiles) {
    Desk mouse("1881-2/plyrdata.003");
    Desk typed("1881-2/plyrdata.003");
    frmANW& window = mouse.program->anw;
    mouse.program->winQZ.mnuANW.Click();
    std::mt19937 random(20261209);
    for (int i = 0; i < 40; ++i) {
        struct Choice {
            ListBoxModel& list;
            ButtonModel& button;
            const char* code;
        };
        std::vector<Choice> offered;
        for (Choice choice : {Choice{window.lstNeutrals, window.cmdAlly, "DA"},
                              Choice{window.lstNeutrals, window.cmdWar, "DW"},
                              Choice{window.lstAllies, window.cmdNeutral[0], "DN"},
                              Choice{window.lstEnemies, window.cmdNeutral[1], "DN"}}) {
            // A button the window disables (war on the first turn) is no choice there.
            if (choice.list.ListCount() > 0 && choice.button.Enabled()) {
                offered.push_back(choice);
            }
        }
        ASSERT_FALSE(offered.empty());
        const Choice& choice = offered[random() % offered.size()];
        const int line = static_cast<int>(random() % choice.list.ListCount());
        const int32_t player = choice.list.Lines()[line].itemData;
        SCOPED_TRACE("step " + std::to_string(i) + ": " + choice.code + " " +
                     std::to_string(player));
        choice.list.SetListIndex(line);
        choice.button.Click();
        typed.Map().fields.txtOrder.SetText(std::string(choice.code) + " " +
                                            std::to_string(player));
        typed.Map().fields.txtOrder_Enter();
        ASSERT_EQ(typed.Game().Orders, mouse.Game().Orders);
        ASSERT_EQ(typed.Game().OrderCount, mouse.Game().OrderCount);
        ASSERT_EQ(typed.platform.messages, mouse.platform.messages);
        ASSERT_EQ(typed.program->history.UndoCount(), mouse.program->history.UndoCount());
    }
    mouse.program->winQZ.mnuSave.Click();
    typed.program->winQZ.mnuSave.Click();
    EXPECT_EQ(FormatOrders(typed.Game()).commands, FormatOrders(mouse.Game()).commands);
    EXPECT_EQ(typed.platform.messages, mouse.platform.messages);
}

} // namespace
} // namespace dered::test
