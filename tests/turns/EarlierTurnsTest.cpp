#include "turns/EarlierTurns.h"
#include "turns/TurnComparison.h"

#include "support/DemoTurn.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace dered {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A game folder laid out as a player keeps it: a folder a turn, and things that do not belong.
class EarlierTurnsTest : public ::testing::Test {
  protected:
    EarlierTurnsTest() {
        const std::string first = ReadText(test::kSourceData + "demo/1880-1/plyrdata.003");
        const std::string ally = ReadText(test::kSourceData + "demo/1880-1/plyrdata.005");
        const std::string later = ReadText(test::kSourceData + "demo/1881-2/plyrdata.003");
        Put("1880-1/plyrdata.003", first);
        Put("1880-1/plyrdata.005", ally); // an ally's report: another player
        Put("1881-2/plyrdata.003", later);
        std::string otherGame = later;
        otherGame.replace(otherGame.find("QZ001"), 5, "QZ002");
        Put("other/plyrdata.003", otherGame);
        Put("1882-1/plyrdata.003", later.substr(0, later.size() / 2)); // cut short
        Put("1882-1/plyrdata.txt", "not a report at all");
        Put("1882-1/notes.txt", "plyrdata.003 is the one");
        Put("1882-1/plyrdata.", "a name with no number is not a turn's");
        std::filesystem::create_directories(folder.Path("1882-1/plyrdata.old"));
        Put("deeper/down/plyrdata.003", first); // two levels away: not looked at
    }

    void Put(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(folder.Path(name).parent_path());
        folder.Write(name, text);
    }
    std::string At(const std::string& name) const { return folder.Path(name).string(); }

    test::TempFolder folder;
};

TEST_F(EarlierTurnsTest, TheTurnsOfTheSameGameAndPlayerOldestFirst) {
    test::DemoTurn open("demo/1881-2/plyrdata.003");
    const TurnList list = FindTurns(open.game, At("1881-2/plyrdata.003"));
    const std::vector<TurnFound> wanted{{1880, 1, At("1880-1/plyrdata.003"), false},
                                        {1881, 2, At("1881-2/plyrdata.003"), true}};
    EXPECT_EQ(list.turns, wanted);
    ASSERT_EQ(list.unreadable.size(), 3u);
    // The report's own folder comes first, then the others by name.
    EXPECT_EQ(list.unreadable[0].path, At("1882-1/plyrdata.003"));
    EXPECT_NE(list.unreadable[0].reason.find("Can't read report plyrdata.003: "), std::string::npos)
        << list.unreadable[0].reason;
    EXPECT_EQ(list.unreadable[1],
              (TurnUnreadable{At("1882-1/plyrdata.old"), "Can't read report plyrdata.old: it is a "
                                                         "folder, not a file"}));
    EXPECT_EQ(list.unreadable[2], (TurnUnreadable{At("1882-1/plyrdata.txt"), "Invalid File"}));
}

TEST_F(EarlierTurnsTest, ReadingAnEarlierTurnLeavesTheOpenOneAndRefusesOtherGames) {
    test::DemoTurn open("demo/1881-2/plyrdata.003");
    open.game.Areas[175].Command = "MO";
    const GameState before = open.game;
    GameState earlier;
    EXPECT_EQ(ReadEarlierTurn(open.game, At("1880-1/plyrdata.003"), earlier), "");
    EXPECT_EQ(open.game, before);
    EXPECT_EQ(earlier.GameYear, 1880);
    EXPECT_EQ(earlier.Areas[175].Command, "");
    EXPECT_EQ(earlier.Areas[175].Supply, before.Areas[175].Supply);
    const GameState untouched = earlier;
    EXPECT_EQ(ReadEarlierTurn(open.game, At("other/plyrdata.003"), earlier),
              "it is a report of game QZ002 for player 3, not of game QZ001 for player 3");
    EXPECT_EQ(ReadEarlierTurn(open.game, At("1880-1/plyrdata.005"), earlier),
              "it is a report of game QZ001 for player 5, not of game QZ001 for player 3");
    EXPECT_EQ(earlier, untouched);
}

TEST(TurnComparisonTest, TheDemosTwoTurnsOfPlayerThree) {
    const test::DemoTurn then("demo/1880-1/plyrdata.003");
    const test::DemoTurn now("demo/1881-2/plyrdata.003");
    const TurnComparison c = CompareTurns(then.game, now.game);
    // Checked against the two reports' area lines; the areas only the first one covers count
    // as no change.
    EXPECT_EQ(c.owners, (std::vector<OwnerChange>{{134, 3, 6}, {197, 3, 6}}));
    EXPECT_EQ(c.units, (std::vector<UnitChange>{{134, 0, 0, 1, 6}, {175, 0, 0, 1, 3}}));
    EXPECT_EQ(c.ChangeCount(), 4u);
    // Areas 134 and 197 hold two supply each.
    EXPECT_EQ(c.then[3], (PlayerTally{11, 5, 9}));
    EXPECT_EQ(c.now[3], (PlayerTally{7, 6, 7}));
    EXPECT_EQ(c.then[6], (PlayerTally{0, 0}));
    EXPECT_EQ(c.now[6], (PlayerTally{4, 1, 2}));
    EXPECT_EQ(c.then[7], c.now[7]);
    const TurnComparison same = CompareTurns(now.game, now.game);
    EXPECT_EQ(same.ChangeCount(), 0u);

    // Numbers that are no player, as only damaged records hold, are counted for nobody.
    GameState damaged = now.game;
    damaged.Areas[134].Owner = MaxPlayer + 1;
    damaged.Areas[175].UnitOwner = -1;
    const TurnComparison odd = CompareTurns(damaged, damaged);
    EXPECT_EQ(odd.now[6], (PlayerTally{2, 1, 1}));
    EXPECT_EQ(odd.now[3], (PlayerTally{7, 5, 7}));
    // In a game of twelve players owner 12 is a player's, and compared.
    GameState twelve = now.game;
    twelve.PlayerCount = NoReportData;
    GameState taken = twelve;
    taken.Areas[134].Owner = NoReportData;
    taken.Areas[134].UnitOwner = NoReportData; // a unit changes hands only
    taken.Areas[175].UnitKind = 3;             // or kind only
    taken.Areas[72].UnitOwner = 5;             // an owner without a unit is no change
    const TurnComparison c12 = CompareTurns(twelve, taken);
    EXPECT_EQ(c12.owners, (std::vector<OwnerChange>{{134, 6, 12}}));
    EXPECT_EQ(c12.units, (std::vector<UnitChange>{{134, 1, 6, 1, 12}, {175, 1, 3, 3, 3}}));
    EXPECT_EQ(CompareTurns(taken, twelve).units.size(), 2u); // 72 either way round
}

} // namespace
} // namespace dered
