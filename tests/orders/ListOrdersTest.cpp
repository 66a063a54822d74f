#include "orders/ListOrders.h"
#include "orders/OrderList.h"
#include "support/TurnFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace dered {
namespace {

using test::Message;

// Own player 1 (Aland); Borduria (2) an ally, Carpania (3) neutral, Drava (4) at war.
class ListOrdersTest : public test::TurnFixture {
  protected:
    ListOrdersTest() {
        game.GameYear = 1881;
        game.GameTurn = 1;
        Ally(kOwn, 2);
        SetRelation(4, kOwn, "w");
        MakeArea(12, 1, kOwn);
        MakeArea(13, 1, 2);
    }
    static TurnChange ListChanged() { return {{}, false, true}; }

    // A refused order: its one message, and the records and events untouched.
    Message Refusal(const std::function<Outcome()>& rule) {
        const GameState before = game;
        const Outcome outcome = rule();
        EXPECT_EQ(outcome.ending, Ending::Refused);
        EXPECT_EQ(game, before);
        EXPECT_TRUE(TakeChanges().empty());
        return outcome.notices.size() == 1 ? outcome.notices.front() : Message{};
    }
    // A stored order: its slot, after the one event.
    int16_t StoredIn(const Outcome& outcome) {
        EXPECT_EQ(outcome.ending, Ending::Stored);
        EXPECT_TRUE(outcome.notices.empty());
        EXPECT_EQ(TakeChanges(), Changes{ListChanged()});
        return outcome.slot;
    }
};

TEST_F(ListOrdersTest, DeclarationsGoToNeutralsOrFromThemOncePerPlayer) {
    using test::Stop;
    EXPECT_EQ(Refusal([&] { return Declare(turn, "DA", kOwn); }),
              Stop("Aland is not one of the other players"));
    EXPECT_EQ(Refusal([&] { return Declare(turn, "DW", 2); }),
              Stop("Borduria is not neutral: alliance and war are declared on neutral players"));
    EXPECT_EQ(Refusal([&] { return Declare(turn, "DN", 3); }), Stop("Carpania is neutral already"));
    EXPECT_EQ(StoredIn(Declare(turn, "DN", 4)), 3);
    EXPECT_EQ(StoredIn(Declare(turn, "DA", 3)), 4);
    EXPECT_EQ(game.Orders[4], (OrderSlot{"DA", 0, 3, 0, 0, 0}));
    EXPECT_EQ(Refusal([&] { return Declare(turn, "DN", 4); }),
              (Message{"ANW command has already been issued for Drava", MsgIcon::None}));
    game.GameYear = 1880;
    EXPECT_EQ(Refusal([&] { return Declare(turn, "DW", 4); }),
              (Message{kWarNotYet, MsgIcon::Information}));
}

TEST_F(ListOrdersTest, CallsToArmsCountTheDeclarationsOfTheTurn) {
    using test::Stop;
    EXPECT_EQ(Refusal([&] { return CallToArms(turn, 3, 4); }),
              Stop("Carpania is not an ally: a call to arms goes to an ally"));
    EXPECT_EQ(Refusal([&] { return CallToArms(turn, 2, 3); }),
              Stop("Carpania is not an enemy: a call to arms is against an enemy"));
    EXPECT_EQ(StoredIn(Declare(turn, "DW", 3)), 3);
    EXPECT_EQ(StoredIn(CallToArms(turn, 2, 3)), 4);
    EXPECT_EQ(game.Orders[4], (OrderSlot{"CA", 0, 2, 3, 0, 0}));
    game.GameYear = 1880;
    game.GameTurn = 3;
    EXPECT_EQ(Refusal([&] { return CallToArms(turn, 2, 4); }),
              (Message{kCallToArmsNotYet, MsgIcon::Information}));
}

TEST_F(ListOrdersTest, AccessGoesToAlliesForOwnAreasOrAll) {
    using test::Stop;
    EXPECT_EQ(Refusal([&] { return GrantAccess(turn, 3, 12); }),
              Stop("Carpania is not an ally: access is granted to allies only"));
    for (const int16_t area : {13, 0, -1, MaxArea + 1}) {
        EXPECT_EQ(Refusal([&] { return GrantAccess(turn, 2, area); }), Stop(kMustOwnArea)) << area;
    }
    EXPECT_EQ(StoredIn(GrantAccess(turn, 2, 12)), 3);
    EXPECT_EQ(StoredIn(GrantAccessToAll(turn, 2)), 4);
    EXPECT_EQ(game.Orders[4], (OrderSlot{"GA", 0, 2, -1, 0, 0}));
}

TEST_F(ListOrdersTest, SpyTargetsTakeTheFreePlacesAndAllFitOrNoneIsAdded) {
    game.Orders[1] = OrderSlot{"SP", 0, 12, 0, -3, 7};
    EXPECT_EQ(StoredIn(AddSpyTargets(turn, {20, 21})), 1);
    EXPECT_EQ(game.Orders[1], (OrderSlot{"SP", 0, 12, 20, 21, 7}));
    EXPECT_EQ(game.Orders[2], (OrderSlot{"SP", 0, 0, 0, 0, 0}));
    EXPECT_EQ(Refusal([&] { return AddSpyTargets(turn, {30, 31, 32}); }), test::Stop(kSpyLimit));
    EXPECT_EQ(StoredIn(AddSpyTargets(turn, {30, 31})), 1);
    EXPECT_EQ(SpyRowOf(game), (SpyRow{12, 20, 21, 7, 30, 31}));
}

TEST_F(ListOrdersTest, VictoryConditionsReplaceTheFirstOnTheFirstTurnOnly) {
    EXPECT_EQ(Refusal([&] { return SetVictoryConditions(turn, 20, 400); }),
              (Message{kVictoryConditionsNotNow, MsgIcon::Information}));
    game.GameYear = 1880;
    game.Orders[4] = OrderSlot{"VC", 0, 25, 450, 0, 0};
    game.Orders[5] = OrderSlot{"VC", 0, -4, 1000, 0, 0};
    game.OrderCount = 5;
    EXPECT_EQ(StoredIn(SetVictoryConditions(turn, 12, -5)), 3);
    EXPECT_EQ(game.Orders[3], (OrderSlot{"VC", 0, 12, -5, 0, 0}));
    EXPECT_TRUE(game.Orders[4].Code.empty());
    EXPECT_EQ(game.Orders[5].P1, -4);
}

} // namespace
} // namespace dered
