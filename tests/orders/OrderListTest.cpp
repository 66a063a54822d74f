#include "orders/OrderList.h"
#include "orders/DiplomacyLists.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

TEST(OrderList, ReusesHolesAndNeverHandsOutSpySlots) {
    GameState game;
    // Before any report the count is 0; the spy slots stay reserved all the same.
    EXPECT_EQ(AddOrder(game, "DA", 1, 0, 0, 0).slot, 3);
    EXPECT_EQ(AddOrder(game, "DW", 2, 0, 0, 0).slot, 4);
    EXPECT_EQ(AddOrder(game, "DN", 4, 0, 0, 0).slot, 5);
    DeleteOrder(game, 4);
    EXPECT_EQ(game.Orders[4], OrderSlot{});
    EXPECT_EQ(AddOrder(game, "CA", 1, 2, 0, 0).slot, 4);
    EXPECT_EQ(game.OrderCount, 5);
    EXPECT_EQ(game.Orders[4], (OrderSlot{"CA", 0, 1, 2, 0, 0}));
}

TEST(OrderList, FullListRefusesWithAMessageAndStoresNothing) {
    GameState game;
    game.OrderCount = 2;
    for (int i = 3; i <= 100; ++i) {
        ASSERT_EQ(AddOrder(game, "DA", 1, 0, 0, 0).slot, i);
    }
    const GameState before = game;
    const AddedOrder refused = AddOrder(game, "DW", 2, 0, 0, 0);
    EXPECT_EQ(refused.slot, 0);
    EXPECT_EQ(game, before);
    EXPECT_EQ(refused.refusal, (Notices{{kOrderListFull, MsgIcon::Critical}}));
}

TEST(OrderList, RelationQueries) {
    GameState game;
    // Moved in, not assigned from the literal: GCC 12 warns falsely (-Wrestrict) on that.
    game.Players[2].Relation[5] = std::string("A");
    EXPECT_FALSE(IsAllied(game, 2, 5)); // alliance takes both sides
    game.Players[5].Relation[2] = std::string("a");
    EXPECT_TRUE(IsAllied(game, 2, 5));
    game.Players[5].Relation[2] = std::string("w");
    EXPECT_FALSE(IsAllied(game, 2, 5));
    EXPECT_TRUE(IsAtWar(game, 2, 5)); // war takes one
    EXPECT_TRUE(IsAtWar(game, 5, 2));
    EXPECT_FALSE(IsAtWar(game, 2, 20));
    game.Players[0].Relation[4] = std::string("W"); // the neutral line counts like any other
    EXPECT_TRUE(IsAtWar(game, 4, 0));
    game.Players[5].Relation[0] = std::string("w"); // and so does the neutral column
    EXPECT_TRUE(IsAtWar(game, 0, 5));

    game.OrderCount = 4;
    game.Orders[4] = {"DA", 0, 6, 0, 0, 0};
    game.Orders[3] = {"DN", 0, 7, 0, 0, 0};
    EXPECT_TRUE(HasAllyOrder(game, 6));
    EXPECT_FALSE(HasWarOrder(game, 6));
    EXPECT_FALSE(HasAllyOrder(game, 7));
    game.Orders[5] = {"DW", 0, 6, 0, 0, 0}; // past the list's end: a stale slot
    EXPECT_FALSE(HasWarOrder(game, 6));
}

// A damaged report or a stale list line may carry any number: the last slot works like any
// other, the one past it is refused without touching the records.
TEST(OrderList, EveryBoundTakesItsLastValueAndRefusesTheOnePastIt) {
    GameState game;
    game.PlayerCount = MaxPlayer + 3; // more than the records hold
    game.OwnPlayer = 1;
    game.OrderCount = MaxOrderSlot + 5;
    game.Orders[MaxOrderSlot] = {"DA", 0, MaxPlayer, 0, 0, 0};
    EXPECT_TRUE(HasAllyOrder(game, MaxPlayer));
    game.Players[MaxPlayer].Relation[RelationSlots - 1] = std::string("W");
    EXPECT_TRUE(IsAtWar(game, MaxPlayer, RelationSlots - 1));
    EXPECT_FALSE(IsAtWar(game, MaxPlayer, RelationSlots));
    game.Players[MaxPlayer].Name = std::string("Last");
    EXPECT_EQ(PlayerName(game, MaxPlayer), "Last");
    EXPECT_EQ(PlayerName(game, MaxPlayer + 1), "");
    EXPECT_EQ(PlayerAbbrev(game, MaxPlayer + 1), "");
    const std::vector<int16_t> others = OtherPlayers(game);
    ASSERT_FALSE(others.empty());
    EXPECT_EQ(others.front(), 2);
    EXPECT_EQ(others.back(), MaxPlayer);

    EXPECT_EQ(LineSlot(game, {"", MaxOrderSlot}), &game.Orders[MaxOrderSlot]);
    EXPECT_EQ(LineSlot(game, {"", MaxOrderSlot + 1}), nullptr);
    EXPECT_EQ(LineSlot(game, {"", 0}), nullptr);
    const GameState before = game;
    DeleteOrder(game, MaxOrderSlot + 1);
    DeleteOrder(game, -1);
    ListBoxModel commands;
    commands.AddItem("stale", MaxOrderSlot + 1);
    commands.SetListIndex(0);
    DeleteChosenOrder(game, commands);
    EXPECT_EQ(commands.ListCount(), 0);
    EXPECT_EQ(game, before);
    commands.AddItem("last", MaxOrderSlot);
    commands.SetListIndex(0);
    DeleteChosenOrder(game, commands);
    EXPECT_EQ(game.Orders[MaxOrderSlot], OrderSlot{});
    game.Orders[0] = {"DA", 0, 2, 0, 0, 0};
    DeleteOrder(game, 0);
    EXPECT_EQ(game.Orders[0], OrderSlot{});
}

TEST(OrderList, OtherPlayersAreThoseOfTheGameWithoutTheOwn) {
    GameState game;
    game.PlayerCount = 5;
    game.OwnPlayer = 3;
    EXPECT_EQ(OtherPlayers(game), (std::vector<int16_t>{1, 2, 4}));
}

} // namespace
} // namespace dered
