#include "orders/MoveRules.h"
#include "support/TurnFixture.h"

#include <tuple>

namespace dered {
namespace {

using test::Message;
using test::Messages;
using test::Stop;

class MoveRules : public test::TurnFixture {
  protected:
    // The area whose unit is given the order.
    void Start(int16_t area, const char*) { Select(area); }

    // A refusal shows exactly its message, ends the wait and changes nothing else.
    void ExpectRefused(const std::function<Ending()>& rule, const std::string& text) {
        const GameState before = game;
        EXPECT_EQ(rule(), Ending::Refused);
        EXPECT_EQ(TakeMessages(), Messages{Stop(text)});
        EXPECT_EQ(game, before);
    }

    bool Validate(int16_t from, int16_t to) {
        Outcome said;
        const bool valid = ValidateMove(game, from, to, said);
        Said(said);
        return valid;
    }
    int16_t ConvoyStart(int16_t area) {
        Outcome said;
        const int16_t size = FindConvoyStart(game, area, said);
        Said(said);
        return size;
    }

    void ExpectStored(int16_t area, const char* code, int16_t parm1, int16_t parm2 = 0) {
        EXPECT_EQ(Area(area).Command, code);
        EXPECT_EQ(Area(area).Parm1, parm1);
        EXPECT_EQ(Area(area).Parm2, parm2);
    }
};

TEST_F(MoveRules, FirstStepsAbandonTheOrderWithoutAnOwnUnit) {
    MakeArea(5, Land, kOwn);
    PlaceUnit(5, Army, 2);
    EXPECT_EQ(Said(CheckOwnUnit(game, 5)), Ending::Refused);
    EXPECT_EQ(TakeMessages(), Messages{Stop("No unit there owned by you")});
    EXPECT_EQ(Said(CheckConvoyUnit(game, 5)), Ending::Refused);
    EXPECT_EQ(TakeMessages(), Messages{Stop("No unit in area  5 owned by you")});

    PlaceUnit(5, Army, kOwn);
    EXPECT_EQ(Said(CheckOwnUnit(game, 5)), Ending::Waiting);
    EXPECT_EQ(Said(CheckConvoyUnit(game, 5)), Ending::Waiting);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MoveRules, AdjacencyLooksAtTheFirstAreasListOnly) {
    SetNeighbour(5, 3, 6);
    SetNeighbour(5, 14, 8);
    EXPECT_TRUE(IsAdjacent(game, 5, 6));
    EXPECT_TRUE(IsAdjacent(game, 5, 8));
    EXPECT_FALSE(IsAdjacent(game, 6, 5));
    EXPECT_FALSE(IsAdjacent(game, 5, 7));

    // Empty slots and numbers outside the map are no neighbours.
    SetNeighbour(5, 2, 300);
    SetNeighbour(5, 4, -1);
    EXPECT_FALSE(IsAdjacent(game, 5, 0));
    EXPECT_FALSE(IsAdjacent(game, 5, 300));
    EXPECT_FALSE(IsAdjacent(game, 5, -1));
    EXPECT_FALSE(IsAdjacent(game, 400, 6));
    EXPECT_FALSE(IsAdjacent(game, -3, 6));
}

TEST_F(MoveRules, MoveToANeighbour) {
    MakeArea(5, Land, kOwn);
    MakeArea(6, Land, kOwn);
    PlaceUnit(5, Army, kOwn);
    Join(5, 6);
    Start(5, "MO");
    Said(MoveOrder(turn, game.SelectedArea, 6));
    ExpectStored(5, "MO", 6);
    EXPECT_EQ(TakeChanges(), Changes{Stored(5)});
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(MoveRules, MoveRefusals) {
    MakeArea(5, Land, kOwn);
    MakeArea(6, Land, kOwn);
    MakeArea(9, Water, 0);
    PlaceUnit(5, Army, kOwn);
    Area(5).Command = "SD";
    Area(5).Parm1 = 7;
    SetNeighbour(6, 1, 5); // one-sided: 6 lists 5, but 5 does not list 6
    SetNeighbour(5, 1, 9);

    Start(5, "MO");
    ExpectRefused([this] { return Said(MoveOrder(turn, game.SelectedArea, 6)); },
                  "Areas  5 and  6 are not adjacent");
    // A click on no area is no move to nowhere, however many of 5's slots are empty.
    Start(5, "MO");
    ExpectRefused([this] { return Said(MoveOrder(turn, game.SelectedArea, 0)); },
                  "Areas  5 and  0 are not adjacent");
    Start(5, "MO");
    ExpectRefused([this] { return Said(MoveOrder(turn, game.SelectedArea, 9)); },
                  "Invalid move between  5 and  9 for unit");
}

struct MoveCase {
    const char* what;
    int16_t unit;
    int16_t fromTerrain;
    int16_t toTerrain;
    bool valid;
};

TEST_F(MoveRules, WhereEachKindOfUnitMayGo) {
    const MoveCase cases[] = {
        {"army into water", Army, Land, Water, false},
        {"corps into water", Corps, Coast, Water, false},
        {"army into no-entry", Army, Land, NoEntry, true},
        {"army onto coast", Army, Coast, Coast, true},
        {"fleet onto land", Fleet, Coast, Land, false},
        {"squadron into water", Squadron, Coast, Water, true},
        {"fleet from water to coast", Fleet, Water, Coast, true},
        {"fleet from water to no-entry", Fleet, Water, NoEntry, true},
        {"fleet from land to coast", Fleet, Land, Coast, false},
        {"fleet from no-entry to coast", Fleet, NoEntry, Coast, false},
        {"no unit from water to coast", NoUnit, Water, Coast, true},
        {"fleet between coasts without common water", Fleet, Coast, Coast, false},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        MakeArea(5, c.fromTerrain, kOwn);
        MakeArea(6, c.toTerrain, kOwn);
        PlaceUnit(5, c.unit, kOwn);
        EXPECT_EQ(Validate(5, 6), c.valid);
        const Messages expected =
            c.valid ? Messages{} : Messages{Stop("Invalid move between  5 and  6 for unit")};
        EXPECT_EQ(TakeMessages(), expected);
    }
}

TEST_F(MoveRules, FleetsPassBetweenCoastsThroughACommonWaterNeighbourInTheFirstTenSlots) {
    MakeArea(5, Coast, kOwn);
    MakeArea(6, Coast, 2); // a stranger's coast: no warning on this way
    MakeArea(9, Water, 0);
    MakeArea(10, Land, 0);
    PlaceUnit(5, Fleet, kOwn);
    SetNeighbour(5, 2, 10);
    SetNeighbour(6, 4, 10); // common, but land
    SetNeighbour(5, 10, 9);
    SetNeighbour(6, 1, 9);
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_TRUE(TakeMessages().empty());

    const std::string refusal = "Invalid move between  5 and  6 for unit";
    SetNeighbour(5, 10, 0);
    SetNeighbour(5, 11, 9); // slot 11 of the mover's list
    EXPECT_FALSE(Validate(5, 6));
    EXPECT_EQ(TakeMessages(), Messages{Stop(refusal)});

    SetNeighbour(5, 1, 9);
    SetNeighbour(6, 1, 0);
    SetNeighbour(6, 11, 9); // slot 11 of the target's list
    EXPECT_FALSE(Validate(5, 6));
    EXPECT_EQ(TakeMessages(), Messages{Stop(refusal)});
}

TEST_F(MoveRules, EnteringAStrangersAreaWarnsAndLetsTheMoveThrough) {
    MakeArea(5, Land, kOwn);
    MakeArea(6, Land, 3);
    PlaceUnit(5, Army, kOwn);
    const Message warning{"Warning, not allied or at war with owner of area  6",
                          MsgIcon::Exclamation};
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_EQ(TakeMessages(), Messages{warning});

    SetRelation(kOwn, 3, "A"); // alliance takes both sides
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_EQ(TakeMessages(), Messages{warning});

    SetRelation(3, kOwn, "a");
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_TRUE(TakeMessages().empty());

    SetRelation(kOwn, 3, "N");
    SetRelation(3, kOwn, "W"); // war takes one side
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_TRUE(TakeMessages().empty());

    SetRelation(3, kOwn, "N");
    game.OrderCount = 3;
    game.Orders[3] = {"DA", 0, 3, 0, 0, 0}; // an alliance being declared this turn
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_TRUE(TakeMessages().empty());
    game.Orders[3] = {"DN", 0, 3, 0, 0, 0};
    EXPECT_TRUE(Validate(5, 6));
    EXPECT_EQ(TakeMessages(), Messages{warning});
}

TEST_F(MoveRules, SupportDefence) {
    MakeArea(5, Land, kOwn);
    MakeArea(6, Land, kOwn);
    PlaceUnit(5, Army, kOwn);
    Join(5, 6);

    // (unit in 6, its order, the warning if any); the support is stored each time.
    const std::tuple<int16_t, const char*, const char*> cases[] = {
        {Corps, "MO", "Warning, unit is leaving area  6"},
        {Corps, "RU", nullptr},
        {NoUnit, "", "Warning, no unit in area  6"},
        {NoUnit, "AC", nullptr}, // a unit being built there
    };
    for (const auto& [unit, order, warning] : cases) {
        PlaceUnit(6, unit, unit == NoUnit ? 0 : kOwn);
        Area(6).Command = order;
        Start(5, "SD");
        Said(SupportDefenceOrder(turn, game.SelectedArea, 6));
        EXPECT_EQ(TakeMessages(), warning ? Messages{Stop(warning)} : Messages{}) << order;
        ExpectStored(5, "SD", 6);
    }
}

TEST_F(MoveRules, SupportDefenceRefusals) {
    MakeArea(5, Coast, kOwn);
    MakeArea(6, Land, kOwn);
    PlaceUnit(5, Fleet, kOwn);
    PlaceUnit(6, Army, kOwn);
    Start(5, "SD");
    ExpectRefused([this] { return Said(SupportDefenceOrder(turn, game.SelectedArea, 6)); },
                  "Areas  5 and  6 are not adjacent");
    Start(5, "SD");
    ExpectRefused([this] { return Said(SupportDefenceOrder(turn, game.SelectedArea, 0)); },
                  "Areas  5 and  0 are not adjacent");
    Join(5, 6);
    Start(5, "SD");
    ExpectRefused([this] { return Said(SupportDefenceOrder(turn, game.SelectedArea, 6)); },
                  "Invalid move between  5 and  6 for unit");
}

// The convoy cases: area 5 own coast, 6 own land, 9 and 13 water, 3 a stranger's land.
class Convoys : public MoveRules {
  protected:
    Convoys() {
        MakeArea(5, Coast, kOwn);
        MakeArea(6, Land, kOwn);
        MakeArea(9, Water, 0);
        MakeArea(13, Water, 0);
        MakeArea(3, Land, 2);
        PlaceUnit(5, Army, kOwn);
        PlaceUnit(9, Fleet, kOwn);
    }
};

TEST_F(Convoys, TheArmyOnTheCoastBoardsTheFleet) {
    Start(5, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 9));
    EXPECT_TRUE(TakeMessages().empty());
    ExpectStored(5, "CO", 9);

    Area(9).Command = "CO"; // a fleet already on the route
    Area(5).Command.clear();
    Start(5, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 9));
    ExpectStored(5, "CO", 9);
}

TEST_F(Convoys, Refusals) {
    Start(5, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 13)); },
                  "No unit in area  13 to convoy to");
    PlaceUnit(13, Fleet, 2);
    Area(13).Command = "MO";
    Start(5, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 13)); },
                  "Unit in area  13 already issued command");

    MakeArea(7, Land, kOwn);
    PlaceUnit(7, Army, kOwn);
    Start(7, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 6)); },
                  "Can't convoy from one land area to another land area");

    PlaceUnit(5, Squadron, kOwn);
    Start(5, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 9)); },
                  "Can't convoy a naval unit");
}

TEST_F(Convoys, ASquadronCarriesOnlyACorps) {
    PlaceUnit(9, Squadron, kOwn);
    Start(5, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 9)); },
                  "Can't conovy an army");

    PlaceUnit(5, Corps, kOwn);
    Start(5, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 9));
    ExpectStored(5, "CO", 9);
}

TEST_F(Convoys, ALinkAtSeaFindsTheUnitAtTheStartOfTheChain) {
    // 5 (army) -> 9 (fleet) -> 13 (squadron): the fleet's link carries the army.
    PlaceUnit(13, Squadron, kOwn);
    Area(5).Command = "CO";
    Area(5).Parm1 = 9;
    Start(9, "CO");
    ExpectRefused([this] { return Said(ConvoyOrder(turn, game.SelectedArea, 13)); },
                  "Can't conovy an army");
    EXPECT_EQ(ConvoyStart(9), 2);

    PlaceUnit(5, Corps, kOwn);
    Start(9, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 13));
    ExpectStored(9, "CO", 13);
    EXPECT_EQ(ConvoyStart(13), 1);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Convoys, LandingInAStrangersAreaWarnsWithoutIcon) {
    Area(5).Command = "CO";
    Area(5).Parm1 = 9;
    Start(9, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 3));
    EXPECT_EQ(TakeMessages(),
              (Messages{{"Warning, not allied or at war with owner of area  3", MsgIcon::None}}));
    ExpectStored(9, "CO", 3);

    Ally(kOwn, 2);
    Start(9, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 3));
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Convoys, AChainWithoutStartWithinTenLinksWarnsAndIsStored) {
    // Water areas 20..31 each convoy to the next; none starts on a coast.
    for (int16_t a = 20; a <= 31; ++a) {
        MakeArea(a, Water, 0);
        PlaceUnit(a, Fleet, kOwn);
        Area(a).Command = "CO";
        Area(a).Parm1 = static_cast<int16_t>(a + 1);
    }
    MakeArea(32, Water, 0);
    PlaceUnit(32, Fleet, kOwn);
    PlaceUnit(13, Squadron, kOwn);
    Start(32, "CO");
    Said(ConvoyOrder(turn, game.SelectedArea, 13));
    EXPECT_EQ(TakeMessages(),
              (Messages{{"Warning, can't find start of convoy", MsgIcon::Exclamation}}));
    ExpectStored(32, "CO", 13);

    // Ten links back from 32 reach 22; a coastal army there is found.
    MakeArea(22, Coast, kOwn);
    PlaceUnit(22, Army, kOwn);
    EXPECT_EQ(ConvoyStart(32), 2);
    MakeArea(21, Coast, kOwn);
    MakeArea(22, Water, 0);
    EXPECT_EQ(ConvoyStart(32), 0);
    TakeMessages();

    // A chain that turns in a circle ends too.
    MakeArea(40, Water, 0);
    MakeArea(41, Water, 0);
    Area(40).Command = Area(41).Command = "CO";
    Area(40).Parm1 = 41;
    Area(41).Parm1 = 40;
    EXPECT_EQ(ConvoyStart(40), 0);
    EXPECT_EQ(TakeMessages(),
              (Messages{{"Warning, can't find start of convoy", MsgIcon::Exclamation}}));

    // The last area starts a chain like any other.
    MakeArea(MaxArea, Coast, kOwn);
    PlaceUnit(MaxArea, Army, kOwn);
    Area(MaxArea).Command = "CO";
    Area(MaxArea).Parm1 = 50;
    EXPECT_EQ(ConvoyStart(50), 2);
}

} // namespace
} // namespace dered
