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

    // "code area target supported" (a list order: "code numbers") of what the text reads as,
    // or its problem.
    std::string Read(std::string_view text) {
        const ParsedOrder parsed = ParseOrder(game, text);
        if (!parsed.order) {
            return parsed.problem;
        }
        const TypedOrder& o = *parsed.order;
        std::string read = o.kind ? std::string(o.kind->code) : "withdraw";
        if (!o.numbers.empty()) {
            for (const int16_t n : o.numbers) {
                read += " " + std::to_string(n);
            }
            return read;
        }
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
    EXPECT_EQ(Read("Ostisoth builds castle"),
              "A build is of an army, a corps, a fleet or a squadron");
    EXPECT_EQ(Read("Ostisoth supports Ularith - Kestowen"), "No unit in Ularith (11) to support");
}

TEST_F(TypedOrderTest, ListOrdersReadInBothFormsWithPlayersByNumberShortNameOrName) {
    const std::pair<const char*, const char*> cases[] = {
        {"DA 2", "DA 2"},
        {"dw bor", "DW 2"},
        {"alliance with Borduria", "DA 2"},
        {"WAR ON 2", "DW 2"},
        {"neutrality towards BOR", "DN 2"},
        {"CA 2 1", "CA 2 1"},
        {"call to arms of Borduria against 1", "CA 2 1"},
        {"GA 2 Ostisoth", "GA 2 10"},
        {"GA 2 ALL", "GA 2 -1"},
        {"access for Borduria to Ulmar Sea", "GA 2 12"},
        {"access for BOR to all areas", "GA 2 -1"},
        {"SP 10 0 0 13 0 0", "SP 10 13"}, // as commands.dat writes it
        {"spies in Ostisoth, Kest", "SP 10 13"},
        {"spies Ularith", "SP 11"},
        {"VC 20 400", "VC 20 400"},
        {"victory conditions 12 -5", "VC 12 -5"},
        // What is read is checked against the rules later; what cannot be read says why.
        {"DA 2 3", "DA takes a player"},
        {"call to arms of Borduria", "CA takes two players: the ally and the enemy"},
        {"GA 2", "GA takes a player and one of your areas, or ALL"},
        {"SP 0 0", "SP takes one to six areas"},
        {"SP 1 2 3 4 5 6 7", "SP takes one to six areas"},
        {"VC 20", "VC takes the turns and the points"},
        {"VC 20 70000", "\"70000\" is no whole number from -32768 to 32767"},
        {"war on Nobody", "No player is called \"Nobody\""},
        {"alliance with ", "Not an order: type it as \"MO 118 106\" or \"Ostisoth - Ularith\""},
        {"spies in", "An area is missing"},
        {"access for BOR to Nowhere", "No area is called \"Nowhere\""},
    };
    for (const auto& [text, read] : cases) {
        EXPECT_EQ(Read(text), read) << text;
    }
}

TEST_F(TypedOrderTest, CompletionsFinishTheNameBeingTyped) {
    EXPECT_EQ(OrderCompletions(game, "Ostisoth - ul", 5),
              (std::vector<std::string>{"Ostisoth - Ularith", "Ostisoth - Ulmar Sea"}));
    EXPECT_EQ(OrderCompletions(game, "Ostisoth supports Kes", 5),
              (std::vector<std::string>{"Ostisoth supports Kestowen"}));
    EXPECT_EQ(OrderCompletions(game, "Ostisoth - ul", 1).size(), 1u);
    EXPECT_EQ(OrderCompletions(game, "access for BOR to kes", 5),
              (std::vector<std::string>{"access for BOR to Kestowen"}));
    EXPECT_EQ(OrderCompletions(game, "spies in Ostisoth, ul", 5).size(), 2u);
    EXPECT_TRUE(OrderCompletions(game, "O", 5).empty()); // too short to be worth a list
}

} // namespace
} // namespace dered
