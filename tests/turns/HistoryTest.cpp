#include "turns/History.h"

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

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// The demo's turns with generated ones after them: 1881 turn 3 (player 3 takes area 134 back
// with a corps), no 1881 turn 4, a damaged 1882 turn 1, and another player's report.
class HistoryTest : public ::testing::Test {
  protected:
    HistoryTest() {
        const std::string later = ReadText(test::kSourceData + "demo/1881-2/plyrdata.003");
        Put("1880-1/plyrdata.003", ReadText(test::kSourceData + "demo/1880-1/plyrdata.003"));
        Put("1880-1/plyrdata.005", ReadText(test::kSourceData + "demo/1880-1/plyrdata.005"));
        Put("1881-2/plyrdata.003", later);
        Put("1881-3/plyrdata.003",
            Replaced(Replaced(later, "1881,2", "1881,3"), "134,6,6,1", "134,3,3,2"));
        Put("1882-1/plyrdata.003", Replaced(later, "1881,2", "1882,1").substr(0, 300));
    }
    void Put(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(folder.Path(name).parent_path());
        folder.Write(name, text);
    }
    std::string At(const std::string& name) const { return folder.Path(name).string(); }

    test::TempFolder folder;
    test::DemoTurn open{"demo/1881-2/plyrdata.003"};
};

TEST_F(HistoryTest, EachPlayersFiguresPerTurnWithGapsAndSkippedReports) {
    HistoryCache cache;
    const GameHistory& history = cache.Refresh(open.game, At("1881-2/plyrdata.003"));
    ASSERT_EQ(history.turns.size(), 3u);
    EXPECT_EQ(history.turns[0].path, At("1880-1/plyrdata.003"));
    EXPECT_EQ(history.turns[0].Sequence(), 1);
    EXPECT_EQ(history.turns[1].Sequence(), 6);
    EXPECT_EQ(history.turns[2].Sequence(), 7);
    // The figures the Turns window compares, with the areas owned.
    EXPECT_EQ(history.turns[0].players[3], (PlayerTally{11, 5, 9}));
    EXPECT_EQ(history.turns[1].players[3], (PlayerTally{7, 6, 7}));
    EXPECT_EQ(history.turns[1].players[6], (PlayerTally{4, 1, 2}));
    EXPECT_EQ(history.turns[2].players[3], (PlayerTally{9, 7, 8}));
    EXPECT_EQ(history.turns[2].players[6], (PlayerTally{2, 0, 1}));
    EXPECT_EQ(history.Gaps(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(history.At(7), &history.turns[2]);
    EXPECT_EQ(history.At(8), nullptr);
    ASSERT_EQ(history.skipped.size(), 1u);
    EXPECT_EQ(history.skipped[0].path, At("1882-1/plyrdata.003"));
    EXPECT_NE(history.skipped[0].reason.find("Can't read report"), std::string::npos);
    // Player 5's report beside them counts for nothing; only players seen are charted.
    EXPECT_EQ(history.players, (std::vector<int16_t>{3, 6, 7}));
}

TEST_F(HistoryTest, AReportIsReadOnceUntilItChanges) {
    HistoryCache cache;
    cache.Refresh(open.game, At("1881-2/plyrdata.003"));
    EXPECT_EQ(cache.ReportsRead(), 5);
    cache.Refresh(open.game, At("1881-2/plyrdata.003"));
    EXPECT_EQ(cache.ReportsRead(), 5);

    // The damaged report mended, a turn gone: only the mended one is read again.
    Put("1882-1/plyrdata.003", Replaced(ReadText(At("1881-2/plyrdata.003")), "1881,2", "1882,1"));
    std::filesystem::remove(At("1881-3/plyrdata.003"));
    const GameHistory& history = cache.Refresh(open.game, At("1881-2/plyrdata.003"));
    EXPECT_EQ(cache.ReportsRead(), 6);
    EXPECT_TRUE(history.skipped.empty());
    ASSERT_EQ(history.turns.size(), 3u);
    EXPECT_EQ(history.turns[2].Sequence(), 9);
    EXPECT_EQ(history.Gaps(), (std::vector<int>{2, 3, 4, 5, 7, 8}));

    // Another player's turn opened: nothing cached counts for it.
    GameState other = open.game;
    other.OwnPlayer = 5;
    const GameHistory& theirs = cache.Refresh(other, At("1880-1/plyrdata.005"));
    EXPECT_EQ(cache.ReportsRead(), 10);
    ASSERT_EQ(theirs.turns.size(), 1u);
    EXPECT_EQ(theirs.turns[0].path, At("1880-1/plyrdata.005"));
}

} // namespace
} // namespace dered
