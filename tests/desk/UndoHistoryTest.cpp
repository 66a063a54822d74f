#include "desk/OrderDesk.h"
#include "forms/AreaDisplay.h"
#include "orders/AreaOrders.h"
#include "orders/MoveRules.h"
#include "orders/UnitRules.h"
#include "state/CodeTables.h"
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace dered::test {
namespace {

// What undo must give back exactly.
struct OrderRecords {
    std::array<AreaRecord, MaxArea + 1> areas;
    std::array<OrderSlot, MaxOrderSlot + 1> orders;
    int16_t orderCount;
    SummaryCounters summary;
    bool operator==(const OrderRecords&) const = default;
};

// Which part differs, for a readable failure.
void PrintTo(const OrderRecords& r, std::ostream* os) {
    *os << "count " << r.orderCount << " free " << r.summary.FreeSupply << " orders";
    for (int slot = 1; slot <= r.orderCount && slot <= MaxOrderSlot; ++slot) {
        *os << ' ' << r.orders[slot].Code << r.orders[slot].P1;
    }
    *os << " areas";
    for (int a = 0; a <= MaxArea; ++a) {
        if (!r.areas[a].Command.empty()) {
            *os << ' ' << a << r.areas[a].Command << r.areas[a].Parm1;
        }
    }
}

class UndoHistoryTest : public DemoTurnFixture {
  protected:
    OrderRecords Records() {
        const GameState& g = Game();
        return {g.Areas, g.Orders, g.OrderCount, g.Summary};
    }
    UndoHistory& History() { return program->history; }
    template <typename Wanted> std::vector<int16_t> Areas(Wanted wanted) {
        std::vector<int16_t> found;
        for (int16_t a = 1; a <= MaxArea; ++a) {
            if (wanted(Game(), a)) {
                found.push_back(a);
            }
        }
        return found;
    }
    void Move(int16_t from, int16_t to) {
        const OrderKind& move = *FindOrderKind("MO");
        if (BeginOrder(TheTurn(), move, from).ending == Ending::Waiting) {
            (void)CompleteOrder(TheTurn(), move, from, to);
        }
    }
    void Declare(int index) {
        frmANW& anw = program->anw;
        program->forms.Show(anw, Modality::Modal);
        anw.lstNeutrals.SetListIndex(index);
        anw.cmdAlly.Click();
        program->forms.Unload(anw);
    }
    // The grid and the summary show the records as they are.
    void ExpectWindowsFollow() {
        const GameState& g = Game();
        for (int16_t a = 1; a <= MaxArea; ++a) {
            ASSERT_EQ(program->winQZ.grdArea.TextAt(a, ColCommand), g.Areas[a].Command) << a;
        }
        EXPECT_EQ(program->summary.grdSummary.TextAt(7, 1), std::to_string(g.Summary.FreeSupply));
    }
};

// A random mix of orders the rules take and orders they refuse, through the rules the map
// window calls and the diplomacy dialog.
TEST_F(UndoHistoryTest, UndoingEverythingGivesTheStartAndRedoingEverythingTheEnd) {
    const auto ownUnits = Areas([](const GameState& g, int16_t a) {
        return g.Areas[a].UnitKind != NoUnit && g.Areas[a].UnitOwner == g.OwnPlayer;
    });
    const auto ownAreas =
        Areas([](const GameState& g, int16_t a) { return g.Areas[a].Owner == g.OwnPlayer; });
    ASSERT_GE(ownUnits.size(), 3u);
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](const std::vector<int16_t>& from) {
            return from[random() % from.size()];
        };
        const OrderRecords start = Records();
        const size_t before = History().UndoCount();
        for (int action = 0; action < 60; ++action) {
            GameState& g = Game();
            const int16_t unit = pick(ownUnits);
            const int16_t neighbour = g.Areas[unit].Neighbour[random() % 4];
            switch (random() % 6) {
            case 0:
                Move(unit, random() % 5 == 0 ? static_cast<int16_t>(random() % 300) : neighbour);
                break;
            case 1:
                g.SelectedArea = unit;
                (void)SupportDefenceOrder(TheTurn(), unit, neighbour);
                break;
            case 2:
                g.SelectedArea = pick(ownAreas);
                (void)BuildUnit(TheTurn(), g.SelectedArea, static_cast<int16_t>(1 + random() % 4));
                break;
            case 3:
                g.SelectedArea = random() % 2 ? unit : pick(ownAreas);
                ClearAreaCommand(TheTurn(), g.SelectedArea);
                break;
            case 4:
                g.SelectedArea = unit;
                (void)(random() % 2 ? UpgradeUnit(TheTurn(), unit) : RemoveUnit(TheTurn(), unit));
                break;
            default:
                Declare(static_cast<int>(random() % 3));
                break;
            }
        }
        const OrderRecords end = Records();
        program->winQZ.mnuSave_Click();
        const std::string saved = ReadCommands();

        const size_t steps = History().UndoCount() - before;
        for (size_t i = 0; i < steps; ++i) {
            program->winQZ.mnuUndo.Click();
        }
        EXPECT_EQ(Records(), start);
        ExpectWindowsFollow();
        while (History().CanRedo()) {
            program->winQZ.mnuRedo.Click();
        }
        EXPECT_EQ(Records(), end);
        ExpectWindowsFollow();
        program->winQZ.mnuSave_Click();
        EXPECT_EQ(ReadCommands(), saved);
    }
}

TEST_F(UndoHistoryTest, OneUserActionIsOneStepNamedInTheMenu) {
    frmWinQZ& win = program->winQZ;
    EXPECT_FALSE(win.mnuUndo.Enabled());
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo");
    Move(118, 134);
    EXPECT_EQ(History().UndoCount(), 1u);
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo move from 118 to 134");
    Move(118, 135); // only the target changes
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo move from 118 to 135");
    (void)BuildUnit(TheTurn(), 134, Army); // the order and its charge on free supply together
    EXPECT_EQ(History().UndoCount(), 3u);
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo build an army in 134");
    Declare(0);
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo alliance with Aldmark Republic");

    win.mnuUndo.Click();
    win.mnuUndo.Click();
    EXPECT_EQ(win.mnuRedo.Caption(), "&Redo build an army in 134");
    EXPECT_EQ(Game().Areas[134].Command, "");
    EXPECT_EQ(program->map.canvas.Arrows().size(),
              2u); // 118 to 134 and to 135: the move is still drawn
    // A new change drops what could be redone.
    (void)UpgradeUnit(TheTurn(), 105);
    EXPECT_FALSE(win.mnuRedo.Enabled());
    EXPECT_EQ(win.mnuRedo.Caption(), "&Redo");
    Game().Summary.FreeSupply += 1; // free supply alone, as a script may change it
    TheTurn().events.FreeSupplyChanged();
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo free supply");
}

// Supporting another player's attack on the same area changes only the order's second value.
TEST_F(UndoHistoryTest, AStepThatChangesOnlyTheSupportedPlayerIsNamedByItsOrder) {
    const OrderKind& support = *FindOrderKind("SA");
    for (const int16_t player : {2, 3}) {
        ASSERT_EQ(BeginOrder(TheTurn(), support, 118).ending, Ending::Waiting);
        ASSERT_EQ(CompleteOrder(TheTurn(), support, 118, 134, player).ending, Ending::Stored);
    }
    EXPECT_EQ(program->winQZ.mnuUndo.Caption(), "&Undo support attack from 118 on 134");
}

TEST_F(UndoHistoryTest, OpeningAReportAgainStartsANewHistory) {
    Move(118, 134);
    ASSERT_TRUE(History().CanUndo());
    platform.AnswerOpen(Game().ReportDir + "plyrdata.003");
    program->winQZ.mnuMerge.Click();
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(program->winQZ.mnuUndo.Enabled());
}

TEST_F(UndoHistoryTest, OpenDialogListsFollowAnUndo) {
    ListBoxModel& allies = program->callToArms.lstAllies;
    program->forms.Show(program->callToArms, Modality::Modeless);
    const int before = allies.ListCount();
    Declare(0);
    EXPECT_EQ(allies.ListCount(), before + 1); // the declared ally
    program->winQZ.mnuUndo.Click();
    EXPECT_EQ(allies.ListCount(), before);
    program->winQZ.mnuRedo.Click();
    EXPECT_EQ(allies.ListCount(), before + 1);
}

TEST_F(UndoHistoryTest, TheVictoryDialogHoldsUndoWhileItHasTheOrderOutOfTheList) {
    frmWinQZ& win = program->winQZ;
    Move(118, 134);
    win.mnuVictoryConditions.SetEnabled(true);
    win.mnuVictoryConditions.Click();
    EXPECT_FALSE(win.mnuUndo.Enabled());
    program->victory.txtVC[0].SetText("12");
    program->forms.Unload(program->victory);
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo victory conditions");
    win.mnuUndo.Click();
    for (int slot = 1; slot <= Game().OrderCount; ++slot) {
        EXPECT_NE(Game().Orders[slot].Code, "VC");
    }
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo move from 118 to 134");
    win.mnuSpy.Click(); // both spy slots in one step
    program->spy.AddTarget(105);
    program->forms.Unload(program->spy);
    EXPECT_EQ(win.mnuUndo.Caption(), "&Undo spies");
    win.mnuSpy.Click(); // an open spy window follows the undo of its slots
    win.mnuUndo.Click();
    EXPECT_EQ(program->spy.grdSpy.TextAt(0, 0), "");
}

} // namespace
} // namespace dered::test
