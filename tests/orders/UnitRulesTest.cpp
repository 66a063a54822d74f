#include "orders/UnitRules.h"
#include "orders/AreaOrders.h"
#include "support/TurnFixture.h"

#include <functional>

namespace dered {
namespace {

using test::Message;
using test::Messages;
using test::Stop;

// Area 7 is the player's own inland area; area 8 a coastal one.
class UnitRules : public test::TurnFixture {
  protected:
    UnitRules() {
        MakeArea(7, Land, kOwn, 2);
        MakeArea(8, Coast, kOwn, 2);
        Select(7);
    }

    // A refusal shows exactly its message and leaves area, supply and pending order alone.
    void ExpectRefused(const std::function<void()>& rule, const std::string& text) {
        game.PendingCommand = MapCommand::Move;
        const GameState before = game;
        TakeChanges();
        rule();
        EXPECT_EQ(TakeMessages(), Messages{Stop(text)});
        EXPECT_EQ(game, before);
        EXPECT_TRUE(TakeChanges().empty());
        game.PendingCommand = MapCommand::None;
    }

    void ExpectIgnored(const std::function<void()>& rule) {
        const GameState before = game;
        TakeChanges();
        rule();
        EXPECT_TRUE(TakeMessages().empty());
        EXPECT_EQ(game, before);
        EXPECT_TRUE(TakeChanges().empty());
    }

    std::function<void()> Build(int16_t kind) {
        return [this, kind] { Said(BuildUnit(turn, game.SelectedArea, kind)); };
    }
};

TEST_F(UnitRules, BuildChargesTheUnitsCostAndShowsIt) {
    FreeSupply() = 2;
    Said(BuildUnit(turn, game.SelectedArea, Army));
    EXPECT_EQ(Area(7).Command, "AA");
    EXPECT_EQ(FreeSupply(), 0);
    EXPECT_EQ(TakeChanges(), Changes{Stored(7, true)});
    EXPECT_TRUE(TakeMessages().empty());
    ExpectIgnored(Build(Army)); // the same order again

    Select(8);
    Area(8).Supply = 1;
    FreeSupply() = 1;
    Said(BuildUnit(turn, game.SelectedArea, Squadron));
    EXPECT_EQ(Area(8).Command, "AS");
    EXPECT_EQ(FreeSupply(), 0);
}

TEST_F(UnitRules, BuildRefusals) {
    FreeSupply() = 5;
    Area(7).Owner = 2;
    PlaceUnit(7, Corps, 2);
    ExpectRefused(Build(Corps), "Area  7 not owned by you");

    Area(7).Owner = kOwn;
    ExpectRefused(Build(Corps), "Area  7 already has a unit in it");

    PlaceUnit(7, NoUnit, 0);
    Area(7).Supply = 1;
    ExpectRefused(Build(Army), "Area  7 not proper sized supply centre");
    Area(7).Supply = 0;
    ExpectRefused(Build(Corps), "Area  7 not proper sized supply centre");

    Area(7).Supply = 2;
    FreeSupply() = 1;
    ExpectRefused(Build(Army), "Not enough supply points available to build unit");
    FreeSupply() = 2;
    ExpectRefused(Build(Fleet), "Must be a coastal area to add a fleet or squadron");
    ExpectRefused(Build(Squadron), "Must be a coastal area to add a fleet or squadron");
    Area(7).Terrain = Water;
    ExpectRefused(Build(Squadron), "Must be a coastal area to add a fleet or squadron");

    Select(123);
    ExpectRefused(Build(Army), "Area  123 not owned by you");
}

TEST_F(UnitRules, BuildComparesFreeSupplyBeforeTheReplacedOrderIsUndone) {
    Area(7).Command = "AC";
    FreeSupply() = 1;
    ExpectRefused(Build(Army), "Not enough supply points available to build unit");

    FreeSupply() = 2;
    Said(BuildUnit(turn, game.SelectedArea, Army)); // gives back 1, then charges 2
    EXPECT_EQ(Area(7).Command, "AA");
    EXPECT_EQ(FreeSupply(), 1);
}

TEST_F(UnitRules, UpgradeCostsAPoint) {
    Area(7).Supply = 1;
    PlaceUnit(7, Corps, kOwn);
    FreeSupply() = 1;
    Said(UpgradeUnit(turn, game.SelectedArea));
    EXPECT_EQ(Area(7).Command, "UU");
    EXPECT_EQ(FreeSupply(), 0);
    EXPECT_EQ(TakeChanges(), Changes{Stored(7, true)});
    ExpectIgnored([this] { Said(UpgradeUnit(turn, game.SelectedArea)); });
}

TEST_F(UnitRules, UpgradeRefusals) {
    const auto upgrade = [this] { Said(UpgradeUnit(turn, game.SelectedArea)); };
    PlaceUnit(7, Corps, 2);
    FreeSupply() = 0;
    ExpectRefused(upgrade, "No supply available to upgrade any units");
    FreeSupply() = 1;
    ExpectRefused(upgrade, "No unit there owned by you");
    PlaceUnit(7, Army, kOwn);
    Area(7).Supply = 0;
    // The missing supply centre is named before the unit's kind is looked at.
    ExpectRefused(upgrade, "Area  7 not a supply center");
    Area(7).Supply = 1;
    ExpectRefused(upgrade, "Can only upgrade a corps or squadron");
    PlaceUnit(7, NoUnit, kOwn);
    ExpectRefused(upgrade, "Can only upgrade a corps or squadron");
}

TEST_F(UnitRules, RemoveRefusals) {
    PlaceUnit(7, Army, kOwn);
    FreeSupply() = 0;
    ExpectRefused([this] { Said(RemoveUnit(turn, game.SelectedArea)); },
                  "Not allowed to remove any units");
    FreeSupply() = 3;
    ExpectRefused([this] { Said(RemoveUnit(turn, game.SelectedArea)); },
                  "Not allowed to remove any units");
    FreeSupply() = -1;
    PlaceUnit(7, Army, 4);
    ExpectRefused([this] { Said(RemoveUnit(turn, game.SelectedArea)); },
                  "No unit there owned by you");
}

TEST_F(UnitRules, DowngradeRefusals) {
    const auto downgrade = [this] { Said(DowngradeUnit(turn, game.SelectedArea)); };
    PlaceUnit(7, Army, kOwn);
    FreeSupply() = 0;
    ExpectRefused(downgrade, "Not allowed to downgrade any units");
    FreeSupply() = -1;
    PlaceUnit(7, Fleet, 3);
    ExpectRefused(downgrade, "No unit there owned by you");
    PlaceUnit(7, Corps, kOwn);
    ExpectRefused(downgrade, "Can't downgrade corps or squadrons");
    PlaceUnit(7, Squadron, kOwn);
    ExpectRefused(downgrade, "Can't downgrade corps or squadrons");
}

TEST_F(UnitRules, DowngradeCreditPaysOffTheShortageAndCancellingTakesItBack) {
    PlaceUnit(7, Army, kOwn);
    FreeSupply() = -1;
    Said(DowngradeUnit(turn, game.SelectedArea));
    EXPECT_EQ(Area(7).Command, "DU");
    EXPECT_EQ(FreeSupply(), 0);
    ExpectIgnored([this] { Said(DowngradeUnit(turn, game.SelectedArea)); });

    TakeChanges();
    Said(ClearAreaCommand(turn, game.SelectedArea));
    EXPECT_EQ(Area(7).Command, "");
    EXPECT_EQ(FreeSupply(), -1);
    EXPECT_EQ(TakeChanges(), Changes{Stored(7, true)});
}

TEST_F(UnitRules, DowngradeCreditsBeforeAndRemoveAfterUndoingTheReplacedOrder) {
    // A build read back from earlier orders on an area that now holds an army.
    PlaceUnit(7, Army, kOwn);
    Area(7).Command = "AA";
    FreeSupply() = -1;
    Said(DowngradeUnit(turn, game.SelectedArea)); // -1 + 1 = 0, then the build's two points back
    EXPECT_EQ(FreeSupply(), 2);

    Area(7).Command = "UU";
    FreeSupply() = -1;
    Said(RemoveUnit(turn, game.SelectedArea)); // the upgrade's point back: 0, then +2
    EXPECT_EQ(FreeSupply(), 2);
}

TEST_F(UnitRules, RemoveGivesBackTheUnitsSizeUpToZero) {
    struct Case {
        int16_t kind;
        int16_t before;
        int16_t after;
    };
    const Case cases[] = {
        {Army, -1, 0}, {Fleet, -5, -3}, {Corps, -3, -2}, {Squadron, -1, 0}, {NoUnit, -2, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        PlaceUnit(7, c.kind, kOwn);
        Area(7).Command.clear();
        FreeSupply() = c.before;
        Said(RemoveUnit(turn, game.SelectedArea));
        EXPECT_EQ(Area(7).Command, "RU");
        EXPECT_EQ(FreeSupply(), c.after);
        EXPECT_TRUE(TakeMessages().empty());
    }
    ExpectIgnored([this] { Said(RemoveUnit(turn, game.SelectedArea)); });
}

} // namespace
} // namespace dered
