#include "desk/AllyCheck.h"
#include "desk/AllyWords.h"
#include "desk/HoverText.h"
#include "support/GameFixture.h"

#include <gtest/gtest.h>

namespace dered {
inline void PrintTo(const OverviewLine& line, std::ostream* os) {
    *os << line.item << " \"" << line.text << '"';
}
namespace test {
namespace {

struct Records {
    RecordingPlatform platform;
    GameState game;
};

// The own army in 10 and corps in 11, fleet in the sea 20; Borduria's (2) army in 13, corps in 14
// and army in the coast 16 beside the sea; 12 empty between them.
class AllyCheckTest : public GameFixture<Records> {
  protected:
    static constexpr int16_t kAlly = 2;

    AllyCheckTest() {
        for (const int16_t a : {10, 11, 12, 13, 14}) {
            MakeArea(a, Land, 0);
        }
        MakeArea(16, Coast, kAlly);
        MakeArea(17, Coast, 0);
        MakeArea(20, Water, 0);
        Join(20, 16);
        Join(20, 17);
        PlaceUnit(10, Army, kOwn);
        PlaceUnit(11, Corps, kOwn);
        PlaceUnit(20, Fleet, kOwn);
        PlaceUnit(13, Army, kAlly);
        PlaceUnit(14, Corps, kAlly);
        PlaceUnit(16, Army, kAlly);
        ally.player = kAlly;
        ally.path = "bor/commands.dat";
    }
    void Mine(int16_t area, const char* code, int16_t p1 = 0, int16_t p2 = 0) {
        game.Areas[area].Command = code;
        game.Areas[area].Parm1 = p1;
        game.Areas[area].Parm2 = p2;
    }
    void Theirs(int16_t area, const char* code, int16_t p1 = 0, int16_t p2 = 0) {
        std::erase_if(ally.areaOrders, [area](const AllyAreaOrder& o) { return o.area == area; });
        ally.areaOrders.push_back({area, code, p1, p2});
        std::sort(ally.areaOrders.begin(), ally.areaOrders.end(),
                  [](const AllyAreaOrder& x, const AllyAreaOrder& y) { return x.area < y.area; });
    }
    std::vector<std::string> Found() {
        AllyOrderSets allies;
        allies.Put(ally);
        std::vector<std::string> lines;
        for (const Finding& f : CheckAgainstAllies(game, allies)) {
            lines.push_back(std::to_string(f.area) + " " + std::string(FindingWord(f.kind)) + ": " +
                            f.text);
        }
        return lines;
    }
    AllyOrders ally;
};

using Lines = std::vector<std::string>;

TEST_F(AllyCheckTest, MyOrdersAgainstTheAllys) {
    Mine(10, "SA", 12, kAlly);
    Mine(11, "SA", 12, 3); // player 3's orders are not loaded: nothing is known of them
    EXPECT_EQ(Found(), (Lines{"10 ally-support: Army in Area10 (10) supports the attack on Area12 "
                              "(12) by player 2 (Borduria), but Bor (Borduria) has no move to "
                              "Area12 (12)"}));
    Theirs(13, "MO", 12);
    Mine(11, "SD", 13);
    EXPECT_EQ(Found(), (Lines{"11 ally-away: Corps in Area11 (11) supports the defence of Area13 "
                              "(13), but Bor (Borduria) orders the unit away: Army in Area13 (13) "
                              "moves to Area12 (12)"}));
    Mine(11, "MO", 12);
    Mine(20, "CO", 17);
    EXPECT_EQ(Found(), (Lines{"12 ally-collide: Corps in Area11 (11) moves to Area12 (12), and Bor "
                              "(Borduria) also orders: Army in Area13 (13) moves to Area12 (12)",
                              "20 ally-convoy: Fleet in Area20 (20) convoys to Area17 (17), but "
                              "Bor (Borduria) has no convoy through Area20 (20): Army in Area16 "
                              "(16) has no order"}));
    Theirs(16, "MO", 12);
    EXPECT_EQ(Found()[1], "20 ally-convoy: Fleet in Area20 (20) convoys to Area17 (17), but Bor "
                          "(Borduria) has no convoy through Area20 (20): Army in Area16 (16) moves "
                          "to Area12 (12)");
    Theirs(16, "CO", 20);
    Mine(11, "MO", 14);
    EXPECT_EQ(Found(), Lines{});
}

TEST_F(AllyCheckTest, TheAllysOrdersAgainstMine) {
    Theirs(14, "SA", 12, kOwn);
    Theirs(13, "MO", 10);
    Mine(10, "SD", 11);
    EXPECT_EQ(Found(), (Lines{"13 ally-blocked: Bor (Borduria) orders: Army in Area13 (13) moves "
                              "to Area10 (10), where your unit stays: Army in Area10 (10) supports "
                              "the defence of Area11 (11)",
                              "14 ally-support: Bor (Borduria) orders: Corps in Area14 (14) "
                              "supports the attack on Area12 (12) by player 1 (Aland), but no "
                              "unit of yours moves to Area12 (12)"}));
    Mine(10, "MO", 12);
    Theirs(13, "MO", 11);
    EXPECT_EQ(Found(), (Lines{"13 ally-blocked: Bor (Borduria) orders: Army in Area13 (13) moves "
                              "to Area11 (11), where your unit stays: Corps in Area11 (11) has no "
                              "order"}));
    Mine(11, "RU");
    EXPECT_EQ(Found(), Lines{});
}

TEST_F(AllyCheckTest, TheAllysOrdersInWordsMarkWhatTheTurnDoesNotShow) {
    Theirs(13, "MO", 12);
    Theirs(16, "AA"); // the ally's centre holds a unit: no build fits there
    ally.listOrders = {{"SP", 0, 0, 0, 0, 0}, {"SP", 0, 0, 0, 0, 0}, {"DA", 0, kOwn, 0, 0, 0}};
    AllyOrderSets allies;
    allies.Put(ally);
    EXPECT_EQ(AllyOverviewLines(game, allies),
              (std::vector<OverviewLine>{
                  {"Orders of Bor (Borduria) (3)", 0},
                  {"  Army in Area13 (13) moves to Area12 (12)", 13},
                  {"  Area16 (16) builds an army (not Bor's there in this turn)", 16},
                  {"  Alliance with player 1 (Aland)", 0}}));
    const std::string hover = HoverText(game, 13, allies);
    EXPECT_EQ(hover.substr(hover.find(';')), "; Bor: moves to Area12 (12)");
    EXPECT_EQ(HoverText(game, 12, allies), HoverText(game, 12));
}

} // namespace
} // namespace test
} // namespace dered
