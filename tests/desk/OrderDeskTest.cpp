#include "desk/AreaSearch.h"
#include "desk/HoverText.h"
#include "desk/OrderCheck.h"
#include "desk/OrderWords.h"
#include "orders/OrderList.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

namespace dered {
inline void PrintTo(const OverviewLine& line, std::ostream* os) {
    *os << line.item << " \"" << line.text << '"';
}
namespace test {
namespace {

// Own army in 10, fleets in the seas 20 and 21, land 30 and 31, the last area, 293, an own coast.
class OrderDeskTest : public ProgramFixture {
  protected:
    OrderDeskTest() {
        for (const int16_t a : {10, 11, 12, 30, 31}) {
            MakeArea(a, Land, kOwn);
        }
        MakeArea(20, Water, 0);
        MakeArea(21, Water, 0);
        MakeArea(293, Coast, kOwn, 2);
        Area(10).Name = "North Field";
        Area(11).Name = "Eastwater";
        PlaceUnit(10, Army, kOwn);
        PlaceUnit(11, Corps, kOwn);
        PlaceUnit(20, Fleet, kOwn);
        PlaceUnit(21, Fleet, 2);
    }
    void Order(int16_t area, const char* code, int16_t p1 = 0, int16_t p2 = 0) {
        Area(area).Command = code;
        Area(area).Parm1 = p1;
        Area(area).Parm2 = p2;
    }
    std::vector<std::string> Found() {
        std::vector<std::string> lines;
        for (const Finding& f : CheckOrders(game)) {
            lines.push_back(std::to_string(f.area) + " " + std::string(FindingWord(f.kind)) + ": " +
                            f.text);
        }
        return lines;
    }
};

TEST_F(OrderDeskTest, TheCheckFindsOnlyWhatTheRecordsProve) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Found(), (Lines{"10 noorder: Army in North Field (10) has no order",
                              "11 noorder: Corps in Eastwater (11) has no order",
                              "20 noorder: Fleet in Area20 (20) has no order"}));
    Order(20, "SD", 21);
    Order(10, "MO", 12);
    Order(11, "MO", 12);
    EXPECT_EQ(Found(), (Lines{"12 collide: Army in North Field (10) and corps in Eastwater (11) "
                              "both move to Area12 (12)"}));
    Order(10, "MO", 1); // the first area like any other
    Order(11, "MO", 1);
    EXPECT_EQ(Found().size(), 1u);
    Order(11, "SD", 12); // supporting the target is no move into it
    EXPECT_EQ(Found(), Lines{});
    Order(10, "MO", 11);
    EXPECT_EQ(Found(), (Lines{"10 blocked: Army in North Field (10) moves to Eastwater (11), "
                              "where the own corps has no order to leave"}));
    Order(11, "RU"); // a removed unit leaves its area
    Order(10, "CO", 20);
    EXPECT_EQ(Found(), (Lines{"10 convoy: Army in North Field (10) goes by convoy through Area20 "
                              "(20), but the fleet in Area20 (20) has no convoy order"}));
    Order(20, "CO", 21); // the next fleet is another player's: its orders are unknown
    EXPECT_EQ(Found(), Lines{});
    MakeArea(22, Water, 0);
    Order(20, "CO", 22);
    EXPECT_EQ(Found(), (Lines{"10 convoy: Army in North Field (10) goes by convoy through Area20 "
                              "(20), but no unit is in Area22 (22) to carry it"}));
    PlaceUnit(22, Fleet, kOwn);
    Order(22, "CO", 20); // a circle at sea ends too
    EXPECT_EQ(Found(), (Lines{"10 convoy: Army in North Field (10) goes by convoy through Area20 "
                              "(20), but the chain does not reach land within 10 links"}));
    PlaceUnit(22, NoUnit, 0);
    Order(20, "CO", 30);
    Order(293, "AA");
    FreeSupply() = -1;
    EXPECT_EQ(Found(),
              (Lines{"293 supply: Area293 (293) builds an army, leaving free supply at -1"}));
    Order(293, "AS"); // every kind of build
    EXPECT_EQ(Found().size(), 1u);
    FreeSupply() = 0; // the last area is checked like any other
    PlaceUnit(293, Army, kOwn);
    Order(293, "CO", 22);
    EXPECT_EQ(Found(), (Lines{"293 convoy: Army in Area293 (293) goes by convoy through Area22 "
                              "(22), but no unit is in Area22 (22) to carry it"}));
}

TEST_F(OrderDeskTest, TheOverviewGroupsAreaOrdersByKindThenListOrders) {
    Order(10, "MO", 11);
    Order(20, "CO", 21);
    Order(293, "AF");
    Order(11, "SA", 12, MaxPlayer + 1); // a damaged record's player is named by number
    Order(30, "DU");
    Order(31, "RU");
    EXPECT_NE(AddOrder(game, "GA", 2, -1, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "DA", 3, 0, 0, 0).slot, 0);
    game.Orders[1] = OrderSlot{"SP", 0, 10, 290, 0, 0};
    game.Orders[game.OrderCount + 1] = OrderSlot{"DW", 0, 2, 0, 0, 0}; // past the list's end
    const std::vector<OverviewLine> expected = {
        {"Moves (1)", 0},
        {"  Army in North Field (10) moves to Eastwater (11)", 10},
        {"Supports of attacks (1)", 0},
        {"  Corps in Eastwater (11) supports the attack on Area12 (12) by player 13", 11},
        {"Convoys (1)", 0},
        {"  Fleet in Area20 (20) convoys to Area21 (21)", 20},
        {"Builds (1)", 0},
        {"  Area293 (293) builds a fleet", 293},
        {"Downgrades (1)", 0},
        {"  Area30 (30) is downgraded", 30},
        {"Removals (1)", 0},
        {"  Area31 (31) is removed", 31},
        {"Declarations (1)", 0},
        {"  Alliance with player 3 (Carpania)", -4},
        {"Grants of access (1)", 0},
        {"  Access for player 2 (Borduria) to all own areas", -3},
        {"Spies (1)", 0},
        {"  Spies in North Field (10), area 290", -1},
    };
    EXPECT_EQ(OverviewLines(game), expected);
}

TEST_F(OrderDeskTest, AreasAreFoundByNumberOrByNamePrefixFirst) {
    Area(12).Name = "Northwater";
    Area(30).Name = "South_Northeast";
    struct Case {
        const char* typed;
        std::vector<int16_t> found;
    };
    const Case cases[] = {
        {"11", {11}},      {" 011 ", {11}},     {"294", {}},   {"", {}},   {"north", {10, 12, 30}},
        {"NORTH F", {10}}, {"water", {11, 12}}, {"h_n", {30}}, {"zz", {}}, {"Eastwater (11)", {11}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchAreas(game, c.typed), c.found) << c.typed;
    }
}

TEST_F(OrderDeskTest, TheHoverTextNamesAreaUnitAndOrder) {
    Order(10, "MO", 11);
    EXPECT_EQ(HoverText(game, 10), "10 North Field, land, owner yours, army of yours, order: "
                                   "moves to Eastwater (11)");
    EXPECT_EQ(HoverText(game, 21), "21 Area21, water, owner Neutral, fleet of Borduria");
    Order(10, "SA", 11, 1); // as read back from a file: player 1 is named too
    EXPECT_EQ(HoverText(game, 10), "10 North Field, land, owner yours, army of yours, order: "
                                   "supports the attack on Eastwater (11) by player 1 (Aland)");
    Area(21).UnitKind = 5; // only a damaged report holds such a unit
    Area(21).UnitOwner = MaxPlayer;
    game.Players[MaxPlayer].Name = "Zembla"; // the last player, named like any other
    EXPECT_EQ(HoverText(game, 21), "21 Area21, water, owner Neutral, unit of Zembla");
    Area(293).Owner = static_cast<int16_t>(game.PlayerCount);
    EXPECT_EQ(HoverText(game, 293), "293 Area293, coast, owner unknown, supply 2");
    EXPECT_EQ(HoverText(game, 0), "");
}

TEST_F(OrderDeskTest, TheReachHoverTextNamesEachUnitThatCanGetIn) {
    MakeArea(31, Coast, kOwn);
    AddNeighbour(31, 20);
    AddNeighbour(20, 293);
    AddNeighbour(21, 293);
    EXPECT_EQ(ReachHoverText(game, ReachMap(game), 293),
              "reach: fleet of yours from 20, fleet of Borduria from 21");
    PlaceUnit(31, Corps, kOwn);
    EXPECT_EQ(ReachHoverText(game, ReachMap(game), 293),
              "reach: fleet of yours from 20, fleet of Borduria from 21, corps of yours from 31 "
              "by convoy");
    EXPECT_EQ(ReachHoverText(game, ReachMap(game), 30), "reach: none");
}

// The undo menu names each kind of build.
TEST(AreaOrderShortTest, EveryBuildIsNamed) {
    const std::pair<const char*, const char*> builds[] = {
        {"AA", "an army"}, {"AC", "a corps"}, {"AF", "a fleet"}, {"AS", "a squadron"}};
    for (const auto& [code, unit] : builds) {
        AreaRecord record;
        record.Command = code;
        EXPECT_EQ(AreaOrderShort(record, 7), std::string("build ") + unit + " in 7");
    }
}

} // namespace
} // namespace test
} // namespace dered
