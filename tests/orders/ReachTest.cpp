#include "orders/Reach.h"
#include "orders/MoveRules.h"
#include "orders/Threats.h"
#include "support/DemoTurn.h"
#include "support/TurnFixture.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace dered {
namespace {

using Reachers = std::vector<Reacher>;

class Reach : public test::TurnFixture {
  protected:
    Reachers Into(int16_t area) const {
        const ReachMap reach(game);
        const auto found = reach.Into(area);
        return {found.begin(), found.end()};
    }
    // How the unit in `from` gets into `area`, if it does.
    std::optional<ReachWay> Way(int16_t from, int16_t area) const {
        for (const Reacher& r : Into(area)) {
            if (r.from == from) {
                return r.way;
            }
        }
        return std::nullopt;
    }
    ReachBalance Balance(int16_t area) const { return BalanceOf(game, ReachMap(game), area); }
};

TEST_F(Reach, UnitsStepWhereTheMoveRulesLetThemAlongTheirOwnNeighbourList) {
    MakeArea(1, Coast, kOwn);
    MakeArea(2, Water, 0);
    MakeArea(3, Land, 2);
    MakeArea(4, Coast, 2);
    MakeArea(5, NoEntry, 0);
    PlaceUnit(1, Army, kOwn);
    PlaceUnit(4, Fleet, 2);
    for (const int16_t n : {2, 3, 5, 3, 400, -1}) { // a repeated slot and numbers of no area
        AddNeighbour(1, n);
    }
    AddNeighbour(4, 1);
    AddNeighbour(4, 3);
    AddNeighbour(3, 4); // one-sided: 4 lists 3 but 3 is no way back for the army in 1
    EXPECT_EQ(Into(3), (Reachers{{1, kOwn, Army, ReachWay::Step}}));
    EXPECT_TRUE(Into(2).empty()); // an army into water
    EXPECT_EQ(Into(5), (Reachers{{1, kOwn, Army, ReachWay::Step}}));
    EXPECT_TRUE(Into(1).empty()); // the fleet's coasts share no water yet
    EXPECT_TRUE(Into(400).empty());

    AddNeighbour(4, 2);
    SetNeighbour(1, 11, 2); // common water only beyond slot 10 of the mover's list
    SetNeighbour(1, 1, 0);
    EXPECT_TRUE(Into(1).empty());
    SetNeighbour(1, 1, 2);
    EXPECT_EQ(Into(1), (Reachers{{4, 2, Fleet, ReachWay::Step}}));
    EXPECT_EQ(Into(2), (Reachers{{4, 2, Fleet, ReachWay::Step}}));
}

TEST_F(Reach, AConvoyCarriesOneWaterAreaOutAndASquadronOnlyACorps) {
    MakeArea(1, Coast, kOwn);
    MakeArea(2, Water, 0);
    MakeArea(3, Coast, 2);
    MakeArea(4, Water, 0);
    MakeArea(5, Coast, 3);
    PlaceUnit(1, Army, kOwn);
    PlaceUnit(2, Fleet, kOwn);
    AddNeighbour(1, 2);
    for (const int16_t n : {1, 3, 4}) {
        AddNeighbour(2, n);
    }
    AddNeighbour(4, 5); // two water areas out is beyond one convoy step
    EXPECT_EQ(Into(3),
              (Reachers{{1, kOwn, Army, ReachWay::Convoy}, {2, kOwn, Fleet, ReachWay::Step}}));
    EXPECT_TRUE(Into(5).empty());
    EXPECT_EQ(Into(1), (Reachers{{2, kOwn, Fleet, ReachWay::Step}})); // not the army itself

    AddNeighbour(1, 3); // a unit that can step in is not counted again as carried
    EXPECT_EQ(Way(1, 3), ReachWay::Step);
    EXPECT_EQ(Into(3).size(), 2u);
    SetNeighbour(1, 2, 0);

    PlaceUnit(2, Squadron, kOwn);
    EXPECT_EQ(Way(1, 3), std::nullopt);
    PlaceUnit(1, Corps, kOwn);
    EXPECT_EQ(Way(1, 3), ReachWay::Convoy);
    PlaceUnit(2, Squadron, 2); // only the player's own ships carry it
    EXPECT_EQ(Way(1, 3), std::nullopt);
    PlaceUnit(2, Fleet, kOwn);
    MakeArea(1, Land, kOwn); // only from a coast
    EXPECT_EQ(Way(1, 3), std::nullopt);
}

TEST_F(Reach, RivalsAreEveryoneNotAlliedAndOnlyStepsSupportTheDefence) {
    MakeArea(10, Land, kOwn, 1);
    PlaceUnit(10, Corps, kOwn);
    const int16_t owners[] = {2, 3, 4, kOwn};
    for (int16_t i = 0; i < 4; ++i) {
        MakeArea(static_cast<int16_t>(11 + i), Land, owners[i]);
        PlaceUnit(static_cast<int16_t>(11 + i), Army, owners[i]);
        AddNeighbour(static_cast<int16_t>(11 + i), 10);
    }
    SetRelation(2, kOwn, "W");
    Ally(kOwn, 3);
    SetRelation(4, kOwn, "A"); // alliance takes both sides
    EXPECT_EQ(Balance(10), (ReachBalance{2, 3}));
    EXPECT_FALSE(IsRival(game, kOwn));
    EXPECT_FALSE(IsRival(game, 3));
    EXPECT_TRUE(IsRival(game, 4));

    // Carried by sea: a rival's army threatens, an own one cannot support.
    MakeArea(10, Coast, kOwn, 1);
    MakeArea(20, Water, 0);
    for (const int16_t carried : {21, 22}) {
        const int16_t owner = carried == 21 ? 2 : kOwn;
        MakeArea(carried, Coast, owner);
        PlaceUnit(carried, Army, owner);
        AddNeighbour(carried, 20);
    }
    MakeArea(23, Water, 0);
    PlaceUnit(20, Fleet, 2);
    PlaceUnit(23, Fleet, kOwn);
    AddNeighbour(20, 10);
    AddNeighbour(22, 23);
    AddNeighbour(23, 10);
    // The rival's army and fleet threaten; the own fleet supports, the army it carries not.
    EXPECT_EQ(Balance(10), (ReachBalance{4, 4}));
    PlaceUnit(10, Corps, 2); // a rival holding it is no cover
    EXPECT_EQ(Balance(10), (ReachBalance{4, 3}));
}

TEST_F(Reach, ThreatsListOwnCentresThenOwnUnitsMostThreatenedFirst) {
    MakeArea(1, Land, kOwn, 1); // threatened by one, covered by none
    MakeArea(2, Land, kOwn, 2); // an own corps on it: threatened by two, covered by one
    MakeArea(3, Land, kOwn);    // no centre: listed for its army only
    MakeArea(4, Land, kOwn, 1); // out of reach
    MakeArea(5, Land, 2, 1);    // a rival's centre
    MakeArea(6, Land, 2);
    MakeArea(7, Land, 2);
    PlaceUnit(2, Corps, kOwn);
    PlaceUnit(3, Army, kOwn);
    PlaceUnit(6, Army, 2);
    PlaceUnit(7, Army, 2);
    for (const int16_t n : {1, 2, 3, 5}) {
        AddNeighbour(6, n);
    }
    AddNeighbour(7, 2);
    const std::vector<Threat> expected = {
        {ThreatTo::SupplyCentre, 2, {2, 1}},
        {ThreatTo::SupplyCentre, 1, {1, 0}},
        {ThreatTo::Unit, 2, {2, 1}},
        {ThreatTo::Unit, 3, {1, 1}},
    };
    EXPECT_EQ(FindThreats(game, ReachMap(game)), expected);
}

// On the demo's geography, with a unit of one kind in every area: a unit reaches an area by a
// step exactly when an order to move there is stored.
TEST(ReachOnTheDemo, StepsAreExactlyTheMovesTheRulesAccept) {
    const test::DemoTurn demo("demo/1881-2/plyrdata.003");
    for (const int16_t kind : {Army, Corps, Fleet, Squadron}) {
        SCOPED_TRACE(UnitWord(kind));
        GameState world = demo.game;
        for (int16_t a = 1; a <= MaxArea; ++a) {
            world.Areas[a].UnitKind = kind;
            world.Areas[a].UnitOwner = static_cast<int16_t>(a % 8);
        }
        const ReachMap reach(world);
        GameState scratch = world;
        TurnEvents events;
        Turn turn{scratch, events};
        int steps = 0;
        for (int16_t from = 1; from <= MaxArea; ++from) {
            for (int16_t to = 1; to <= MaxArea; ++to) {
                const bool reached = std::ranges::any_of(reach.Into(to), [from](const Reacher& r) {
                    return r.from == from && r.way == ReachWay::Step;
                });
                const bool stored = MoveOrder(turn, from, to).ending == Ending::Stored;
                EXPECT_EQ(reached, stored) << from << " to " << to;
                if (stored) {
                    ++steps;
                    scratch.Areas[from] = world.Areas[from];
                    scratch.Summary = world.Summary;
                }
            }
        }
        EXPECT_GT(steps, 500);
    }
}

} // namespace
} // namespace dered
