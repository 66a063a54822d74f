#include "desk/TypedOrder.h"
#include "support/TurnFixture.h"

#include <gtest/gtest.h>

namespace dered {
namespace {

// Own army in Ostisoth (10) next to Ularith (11) and Ulmar Sea (12); player 2's army in
// Kestowen (13). Two areas start "Ul".
class TypedOrderTest : public test::TurnFixture {
  protected:
    TypedOrderTest() {
        for (const int16_t a : {10, 11, 13}) {
            MakeArea(a, Land, a == 13 ? 2 : kOwn);
        }
        MakeArea(12, Water, 0);
        Area(10).Name = "Ostisoth";
        Area(11).Name = "Ularith";
        Area(12).Name = "Ulmar_Sea";
        Area(13).Name = "Kestowen";
        PlaceUnit(10, Army, kOwn);
        PlaceUnit(13, Army, 2);
        game.PlayerCount = 3;
        game.Players[2] = {"Borduria", "BOR", {}};
    }

    // "code area target supported" of what the text reads as, or its problem.
    std::string Read(std::string_view text) {
        const ParsedOrder parsed = ParseOrder(game, text);
        if (!parsed.order) {
            return parsed.problem;
        }
        const TypedOrder& o = *parsed.order;
        std::string read = o.kind ? std::string(o.kind->code) : "withdraw";
        read += " " + std::to_string(o.area);
        if (o.kind && o.kind->shape != OrderShape::PlainArea) {
            read += " " + std::to_string(o.target);
        }
        if (o.supported) {
            read += " " + std::to_string(*o.supported);
        }
        return read;
    }
};

TEST_F(TypedOrderTest, TheGameMastersFormReadsCodesNumbersAndNames) {
    EXPECT_EQ(Read("MO 10 11"), "MO 10 11");
    EXPECT_EQ(Read("  mo  10   Ularith "), "MO 10 11");
    EXPECT_EQ(Read("SA 10 11"), "SA 10 11 1"); // an own attack: player 1 is the own
    EXPECT_EQ(Read("SA 10 11 0"), "SA 10 11 1");
    EXPECT_EQ(Read("SA 10 11 BOR"), "SA 10 11 2");
    EXPECT_EQ(Read("sd 10 13"), "SD 10 13");
    EXPECT_EQ(Read("CO 10 Ulmar_Sea"), "CO 10 12");
    EXPECT_EQ(Read("AF 10"), "AF 10");
    EXPECT_EQ(Read("UU ostisoth"), "UU 10");
}

TEST_F(TypedOrderTest, TheNameFormReadsEveryAreaOrder) {
    EXPECT_EQ(Read("Ostisoth - Ularith"), "MO 10 11");
    EXPECT_EQ(Read("ostisoth supports Ularith"), "SD 10 11");
    EXPECT_EQ(Read("Ostisoth supports Kestowen - Ularith"), "SA 10 11 2");
    EXPECT_EQ(Read("Ostisoth SUPPORTS Ostisoth - Ularith"), "SA 10 11 1");
    EXPECT_EQ(Read("Ostisoth convoys Ulmar Sea"), "CO 10 12");
    EXPECT_EQ(Read("Ostisoth builds fleet"), "AF 10");
    EXPECT_EQ(Read("Ostisoth build squadron"), "AS 10");
    EXPECT_EQ(Read("Ostisoth upgrades"), "UU 10");
    EXPECT_EQ(Read("Ostisoth downgrade"), "DU 10");
    EXPECT_EQ(Read("Ostisoth removes"), "RU 10");
    EXPECT_EQ(Read("Ostisoth cancels"), "withdraw 10");
    EXPECT_EQ(Read("Osti - Ularith"), "MO 10 11"); // a unique beginning
}

TEST_F(TypedOrderTest, WhatIsNoOrderSaysWhy) {
    EXPECT_EQ(Read(""), "Type an order first");
    EXPECT_EQ(Read("Ostisoth - Ul"), "\"Ul\" could be Ularith (11) or Ulmar Sea (12)");
    EXPECT_EQ(Read("Ostisoth - Nowhere"), "No area is called \"Nowhere\"");
    EXPECT_EQ(Read("Ostisoth - 0"), "No area is called \"0\"");
    EXPECT_EQ(Read("Ostisoth -"),
              "Not an order: type it as \"MO 118 106\" or \"Ostisoth - Ularith\"");
    EXPECT_EQ(Read("MO 10"), "MO takes an area and a target area");
    EXPECT_EQ(Read("SA 10 11 ZZZ"), "No player is called \"ZZZ\"");
    EXPECT_EQ(Read("DA 2"), "Only area orders can be typed; alliance is given in its own window");
    EXPECT_EQ(Read("Ostisoth builds castle"),
              "A build is of an army, a corps, a fleet or a squadron");
    EXPECT_EQ(Read("Ostisoth supports Ularith - Kestowen"), "No unit in Ularith (11) to support");
}

TEST_F(TypedOrderTest, CompletionsFinishTheNameBeingTyped) {
    EXPECT_EQ(OrderCompletions(game, "Ostisoth - ul", 5),
              (std::vector<std::string>{"Ostisoth - Ularith", "Ostisoth - Ulmar Sea"}));
    EXPECT_EQ(OrderCompletions(game, "Ostisoth supports Kes", 5),
              (std::vector<std::string>{"Ostisoth supports Kestowen"}));
    EXPECT_EQ(OrderCompletions(game, "Ostisoth - ul", 1).size(), 1u);
    EXPECT_TRUE(OrderCompletions(game, "O", 5).empty()); // too short to be worth a list
}

} // namespace
} // namespace dered
