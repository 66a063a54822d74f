#include "orders/AreaOrders.h"
#include "support/ProgramFixture.h"

namespace dered {
namespace {

class AreaOrders : public test::ProgramFixture {
  protected:
    AreaOrders() {
        MakeArea(7, Land, kOwn, 2);
        Select(7);
    }
};

TEST_F(AreaOrders, GridRowShowsTheNewOrderWithoutLeftoversOfTheOldOne) {
    PlaceUnit(7, Army, kOwn);
    MakeArea(8, Land, kOwn);
    SetAreaCommand(program.turn, "SA", 8, 3);
    EXPECT_EQ(AreaCell(7, 7), "SA");
    EXPECT_EQ(AreaCell(7, 8), "8");
    EXPECT_EQ(AreaCell(7, 9), "3");

    SetAreaCommand(program.turn, "RU", 0, 0);
    EXPECT_EQ(AreaCell(7, 7), "RU");
    EXPECT_EQ(AreaCell(7, 8), "");
    EXPECT_EQ(AreaCell(7, 9), "");
    EXPECT_EQ(Area(7).Command, "RU");
    EXPECT_EQ(Area(7).Parm1, 0);
    EXPECT_EQ(Area(7).Parm2, 0);
    EXPECT_EQ(AreaCell(0, 7), "");            // no stray heading text
    EXPECT_EQ(AreaCell(8, 7), "");            // the target's row is not touched
    EXPECT_FALSE(program.summary.IsLoaded()); // nothing was charged
    EXPECT_TRUE(TakeMessages().empty());
}

struct Undo {
    const char* command;
    int16_t unitKind;
    int16_t refund;
};

TEST_F(AreaOrders, ReplacingAnOrderGivesBackWhatItCharged) {
    const Undo cases[] = {
        {"AA", NoUnit, 2}, {"AF", NoUnit, 2},    {"AC", NoUnit, 1}, {"AS", NoUnit, 1},
        {"UU", Corps, 1},  {"DU", Army, -1},     {"RU", Army, -2},  {"RU", Fleet, -2},
        {"RU", Corps, -1}, {"RU", Squadron, -1}, {"RU", NoUnit, 0}, {"MO", Army, 0},
        {"SA", Army, 0},   {"", Army, 0},
    };
    for (const Undo& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " on unit kind " + std::to_string(c.unitKind));
        Area(7).Command = c.command;
        Area(7).UnitKind = c.unitKind;
        FreeSupply() = 5;
        SetAreaCommand(program.turn, "CO", 8, 0);
        EXPECT_EQ(FreeSupply(), 5 + c.refund);
        EXPECT_EQ(Area(7).Command, "CO");
    }
}

TEST_F(AreaOrders, RefusedMoveKeepsTheOldOrderAndTheSupply) {
    PlaceUnit(7, Army, kOwn);
    MakeArea(9, Water, 0);
    Area(7).Command = "RU";
    SetAreaCommand(program.turn, "AA", 0, 0); // writes the row so that a change would show
    Area(7).Command = "RU";
    FreeSupply() = -1;
    game.PendingCommand = MapCommand::Move;

    SetAreaCommand(program.turn, "MO", 9, 0);

    EXPECT_EQ(TakeMessages(), (std::vector<test::Message>{
                                  {"Invalid move between  7 and  9 for unit", MsgIcon::Critical}}));
    EXPECT_EQ(Area(7).Command, "RU");
    EXPECT_EQ(Area(7).Parm1, 0);
    EXPECT_EQ(AreaCell(7, 7), "AA");
    EXPECT_EQ(AreaCell(7, 8), "");
    EXPECT_EQ(FreeSupply(), -1);
    EXPECT_EQ(game.PendingCommand, MapCommand::None);
}

TEST_F(AreaOrders, CreditPaysOffAShortageButNeverTurnsItIntoSparePoints) {
    struct Case {
        int16_t before;
        int16_t amount;
        int16_t after;
    };
    const Case cases[] = {
        {-1, 2, 0},  {-3, 1, -2},  {-2, 2, 0},        {0, 2, 2},
        {1, -3, -2}, {-1, -1, -2}, {32767, 2, 32767}, {-32767, -5, -32768},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.before) + " + " + std::to_string(c.amount));
        FreeSupply() = c.before;
        AdjustSupply(program.turn, c.amount);
        EXPECT_EQ(FreeSupply(), c.after);
        EXPECT_EQ(FreeSupplyCell(), std::to_string(c.after));
    }
}

TEST_F(AreaOrders, AdjustingSupplyBringsTheSummaryIntoBeingWithoutShowingIt) {
    FreeSupply() = 4;
    AdjustSupply(program.turn, -1);
    EXPECT_TRUE(program.summary.IsLoaded());
    EXPECT_FALSE(program.summary.IsVisible());
    EXPECT_EQ(FreeSupplyCell(), "3");
}

TEST_F(AreaOrders, ClearingGivesBackTheRemovedOrdersEffect) {
    PlaceUnit(7, Corps, kOwn);
    Area(7).Command = "RU";
    FreeSupply() = 0;
    ClearAreaCommand(program.turn);
    EXPECT_EQ(Area(7).Command, "");
    EXPECT_EQ(AreaCell(7, 7), "");
    EXPECT_EQ(FreeSupply(), -1);

    PlaceUnit(7, Army, kOwn);
    Area(7).Command = "RU";
    ClearAreaCommand(program.turn);
    EXPECT_EQ(FreeSupply(), -3);
}

TEST_F(AreaOrders, ClearingAnAreaWithoutOrderChangesNothing) {
    game.PendingCommand = MapCommand::Victory;
    FreeSupply() = -2;
    const GameState before = game;
    ClearAreaCommand(program.turn);
    EXPECT_EQ(game, before);
    EXPECT_FALSE(program.summary.IsLoaded());
}

TEST_F(AreaOrders, AreaNumbersOutsideTheTableAreNoArea) {
    for (const int16_t bad : {int16_t{294}, int16_t{-1}, int16_t{32767}}) {
        Select(bad);
        ClearAreaCommand(program.turn); // area 0 has no order
        SetAreaCommand(program.turn, "RU", 0, 0);
        EXPECT_EQ(Area(0).Command, "RU");
        EXPECT_EQ(AreaCell(0, 7), ""); // row 0 holds the headings, not area 0
        Area(0).Command.clear();
    }
}

TEST_F(AreaOrders, AnOrderWithATargetDrawsItsArrowOnTheOpenMap) {
    MakeArea(8, Land, kOwn);
    for (const auto& [area, col] : {std::pair<int16_t, int>{7, 2}, {8, 4}}) {
        program.records.hexMap.At(col, 2).Area = area;
        program.records.hexMap.At(col, 2).Display[1] = -1; // the anchor
        Area(area).MinCol = Area(area).MaxCol = static_cast<int16_t>(col);
        Area(area).MinRow = Area(area).MaxRow = 2;
    }
    program.forms.Show(program.map, Modality::Modeless);

    SetAreaCommand(program.turn, "AA", 0, 0);
    EXPECT_TRUE(program.map.Arrows().empty());
    SetAreaCommand(program.turn, "CO", 8, 0);
    ASSERT_EQ(program.map.Arrows().size(), 1u);
    EXPECT_EQ(program.map.Arrows()[0].a, 7);
    EXPECT_EQ(program.map.Arrows()[0].codeB, "CO");
}

} // namespace
} // namespace dered
