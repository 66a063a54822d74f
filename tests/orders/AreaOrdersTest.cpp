#include "orders/AreaOrders.h"
#include "support/TurnFixture.h"

namespace dered {
namespace {

class AreaOrders : public test::TurnFixture {
  protected:
    AreaOrders() {
        MakeArea(7, Land, kOwn, 2);
        Select(7);
    }
};

TEST_F(AreaOrders, StoringAnOrderReplacesAllThreeFieldsAndSaysSo) {
    PlaceUnit(7, Army, kOwn);
    MakeArea(8, Land, kOwn);
    Said(SetAreaCommand(turn, game.SelectedArea, "SA", 8, 3));
    Said(SetAreaCommand(turn, game.SelectedArea, "RU", 0, 0));
    EXPECT_EQ(Area(7).Command, "RU");
    EXPECT_EQ(Area(7).Parm1, 0);
    EXPECT_EQ(Area(7).Parm2, 0);
    EXPECT_EQ(TakeChanges(), (Changes{Stored(7), Stored(7)})); // nothing was charged
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
        Said(SetAreaCommand(turn, game.SelectedArea, "CO", 8, 0));
        EXPECT_EQ(FreeSupply(), 5 + c.refund);
        EXPECT_EQ(Area(7).Command, "CO");
    }
}

TEST_F(AreaOrders, RefusedMoveKeepsTheOldOrderAndTheSupply) {
    PlaceUnit(7, Army, kOwn);
    MakeArea(9, Water, 0);
    Area(7).Command = "RU";
    FreeSupply() = -1;

    EXPECT_EQ(Said(SetAreaCommand(turn, game.SelectedArea, "MO", 9, 0)), Ending::Refused);

    EXPECT_EQ(TakeMessages(), (std::vector<test::Message>{
                                  {"Invalid move between  7 and  9 for unit", MsgIcon::Critical}}));
    EXPECT_EQ(Area(7).Command, "RU");
    EXPECT_EQ(Area(7).Parm1, 0);
    EXPECT_EQ(FreeSupply(), -1);
    EXPECT_TRUE(TakeChanges().empty());
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
        AdjustSupply(turn, c.amount);
        EXPECT_EQ(FreeSupply(), c.after);
        EXPECT_EQ(TakeChanges(), Changes{SupplyChanged()});
    }
}

TEST_F(AreaOrders, ClearingGivesBackTheRemovedOrdersEffect) {
    PlaceUnit(7, Corps, kOwn);
    Area(7).Command = "RU";
    FreeSupply() = 0;
    Said(ClearAreaCommand(turn, game.SelectedArea));
    EXPECT_EQ(Area(7).Command, "");
    EXPECT_EQ(FreeSupply(), -1);
    EXPECT_EQ(TakeChanges(), Changes{Stored(7, true)});

    PlaceUnit(7, Army, kOwn);
    Area(7).Command = "RU";
    Said(ClearAreaCommand(turn, game.SelectedArea));
    EXPECT_EQ(FreeSupply(), -3);
}

TEST_F(AreaOrders, ClearingAnAreaWithoutOrderChangesNothing) {
    FreeSupply() = -2;
    const GameState before = game;
    Said(ClearAreaCommand(turn, game.SelectedArea));
    EXPECT_EQ(game, before);
    EXPECT_TRUE(TakeChanges().empty());
}

TEST_F(AreaOrders, AreaNumbersOutsideTheTableAreNoArea) {
    for (const int16_t bad : {int16_t{294}, int16_t{-1}, int16_t{32767}}) {
        Select(bad);
        Said(ClearAreaCommand(turn, game.SelectedArea)); // area 0 has no order
        Said(SetAreaCommand(turn, game.SelectedArea, "RU", 0, 0));
        EXPECT_EQ(Area(0).Command, "RU");
        EXPECT_EQ(TakeChanges(), Changes{Stored(0)});
        Area(0).Command.clear();
    }
}

} // namespace
} // namespace dered
