#include "files/ReportReader.h"

#include "files/OrdersFile.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dered {
namespace {

namespace fs = std::filesystem;

using test::Message;
using test::RecordingPlatform;

using test::TempFolder;

// A report in the game master's layout; tests spoil one part at a time.
// Lines: 1 preamble, 2 identifier, 3 header, 4 player count, 5-8 players, 9 area count,
// 10 on area lines.
struct ReportParts {
    std::string preamble = "\"Report of turn\",\"Der Krieg\"";
    std::string id = "QZ042";
    std::string header = "2,\"pc7x\",1880,2";
    std::string players = "Players,3\r\n"
                          "NEU,Neutral,NAWN\r\n"
                          "BLU,\"Blue, Empire\",AWN\r\n"
                          "RED,Red Kingdom,WAaNx\r\n"
                          "GRN,Green League,NNNN";
    std::string areas = "3\r\n"
                        "5,2,2,1\r\n"
                        "17,3,3,3\r\n"
                        "293,1,0,0";
    std::string trailer = "whatever follows\r\n";

    std::string Text() const {
        return preamble + "\r\n" + id + "\r\n" + header + "\r\n" + players +
               "\r\n\"Number of Areas =\"," + areas + "\r\n" + trailer;
    }
};

std::string AreaLines(int count, int owner) {
    std::string text = std::to_string(count) + "\r\n";
    for (int a = 1; a <= count; ++a) {
        text += std::to_string(a) + "," + std::to_string(owner) + ",0,0\r\n";
    }
    return text;
}

// A picture held before the read, so that a refusal can be seen to leave it alone.
GameState HeldGame() {
    GameState game;
    game.GameId = "QZ007";
    game.PlayerCount = 2;
    game.Players[1].Name = "Old";
    game.Areas[5].Owner = 9;
    game.Areas[5].Command = "AA";
    game.Orders[3] = OrderSlot{"DA", 0, 1, 0, 0, 0};
    game.OrderCount = 3;
    return game;
}

class ReportReader : public ::testing::Test {
  protected:
    ReportOutcome Read(const std::string& text) {
        folder.Write("plyrdata.003", text);
        return ReadReport(game, platform.messages, folder.Folder(), "plyrdata.003");
    }
    // A read of `text` over HeldGame() is refused with exactly these messages.
    void ExpectRefused(const std::string& text, ReportOutcome outcome,
                       const std::vector<Message>& messages) {
        game = HeldGame();
        platform.messages.clear();
        EXPECT_EQ(Read(text), outcome);
        EXPECT_EQ(game, HeldGame());
        EXPECT_EQ(platform.messages, messages);
    }
    ReportOutcome Merge(const std::string& text) {
        folder.Write("plyrdata.009", text);
        return MergeReport(game, platform.messages, folder.Folder(), "plyrdata.009");
    }

    TempFolder folder;
    GameState game;
    RecordingPlatform platform;
};

TEST(GameIdentifier, ComparesAsTextsWithinTheThreeRanges) {
    for (const char* id : {"QZ001", "QZ042", "QZ999", "QZ1000", "QZ0015", "QZ5", "QZ2500", "QZT001",
                           "QZT100", "QZT999"}) {
        EXPECT_TRUE(IsGameIdentifier(id)) << id;
    }
    for (const char* id : {"qz042", "QZ000", "QZA", "QZT000", "QZT9990", "QZ", "", "XQZ042"}) {
        EXPECT_FALSE(IsGameIdentifier(id)) << id;
    }
}

TEST_F(ReportReader, FillsTheTablesFromTheReport) {
    ASSERT_EQ(Read(ReportParts().Text()), ReportOutcome::Read);

    EXPECT_EQ(game.GameId, "QZ042");
    EXPECT_EQ(game.OwnPlayer, 2);
    EXPECT_EQ(game.PlayerCode, "pc7x");
    EXPECT_EQ(game.GameYear, 1880);
    EXPECT_EQ(game.GameTurn, 2);
    EXPECT_FALSE(VictoryConditionsAllowed(game));
    EXPECT_EQ(game.PlayerCount, 3);
    EXPECT_EQ(game.Players[1].Abbrev, "BLU");
    EXPECT_EQ(game.Players[1].Name, "Blue, Empire");
    EXPECT_EQ(game.Players[3].Name, "Green League");
    // Letter k is the relation towards player k - 1; letters past the count are not read.
    const std::array<std::string, 5> blue = {"A", "W", "N", "", ""};
    const std::array<std::string, 5> red = {"W", "A", "a", "N", ""};
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(game.Players[1].Relation[j], blue[j]) << j;
        EXPECT_EQ(game.Players[2].Relation[j], red[j]) << j;
        EXPECT_EQ(game.Players[3].Relation[j], "") << "the last player has no relations";
    }
    EXPECT_EQ(game.Areas[17].Owner, 3);
    EXPECT_EQ(game.Areas[17].UnitOwner, 3);
    EXPECT_EQ(game.Areas[17].UnitKind, 3);
    EXPECT_EQ(game.Areas[1].Owner, NoReportData);
    EXPECT_EQ(game.Areas[293].Owner, 1) << "the map files set area 293 again later";
    EXPECT_EQ(game.OrderCount, 2);
    EXPECT_EQ(game.ReportDir, folder.Folder());
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{"No old orders to read in", MsgIcon::None}}));
}

TEST_F(ReportReader, UnnamedAreasGetNoReportDataAndArea293GetsTheNeutralOwner) {
    ReportParts parts;
    parts.areas = "1\r\n5,2,2,1";
    game.Areas[8].UnitKind = 4;
    ASSERT_EQ(Read(parts.Text()), ReportOutcome::Read);
    EXPECT_EQ(game.Areas[8].Owner, NoReportData);
    EXPECT_EQ(game.Areas[8].UnitKind, 4) << "unit fields of unnamed areas are kept";
    EXPECT_EQ(game.Areas[293].Owner, 0);
}

TEST_F(ReportReader, FindsTheIdentifierWithinTheFirstHundredFields) {
    ReportParts parts;
    parts.preamble = "a,b,c,d,e,f,g,h,i,j\r\nk,l,m,n,o,p,q,r,s,\"QZ0\"";
    parts.id = "QZT100";
    ASSERT_EQ(Read(parts.Text()), ReportOutcome::Read);
    EXPECT_EQ(game.GameId, "QZT100");

    parts.id = "QZ1000";
    parts.preamble = "x";
    for (int i = 2; i < 100; ++i) {
        parts.preamble += ",x";
    }
    game = GameState();
    ASSERT_EQ(Read(parts.Text()), ReportOutcome::Read) << "field 100 is still examined";
    EXPECT_EQ(game.GameId, "QZ1000");
}

TEST_F(ReportReader, RefusesAFileWithoutIdentifierAsInvalidFile) {
    ReportParts parts;
    parts.preamble = "x";
    for (int i = 2; i <= 100; ++i) {
        parts.preamble += ",x";
    }
    for (const std::string& text :
         {parts.Text(), std::string("qz042,1,a,1880,1\r\n"), std::string()}) {
        ExpectRefused(text, ReportOutcome::InvalidFile, {{"Invalid File", MsgIcon::None}});
    }
}

struct BrokenReport {
    const char* what;
    void (*spoil)(ReportParts&);
    const char* message;
};

TEST_F(ReportReader, RefusesABrokenReportNamingTheLineAndKeepsTheTables) {
    const BrokenReport cases[] = {
        {"ends early",
         [](ReportParts& p) {
             p.areas = "3\r\n5,2,2,1\r\n17,3";
             p.trailer.clear();
         },
         "line 12: the file ends early"},
        {"text for a number", [](ReportParts& p) { p.header = "two,\"pc7x\",1880,2"; },
         "line 3: \"two\" where a number belongs"},
        {"beyond 16 bits", [](ReportParts& p) { p.header = "2,\"pc7x\",41880,2"; },
         "line 3: the number 41880 is outside -32768 to 32767"},
        {"own player", [](ReportParts& p) { p.header = "13,\"pc7x\",1880,2"; },
         "line 3: own player 13 is outside 0 to 12"},
        {"player count", [](ReportParts& p) { p.players = "Players,13\r\nA,B,C"; },
         "line 4: player count 13 is outside 0 to 12"},
        {"area 294", [](ReportParts& p) { p.areas = "2\r\n5,2,2,1\r\n294,1,1,1"; },
         "line 11: area 294 is outside 1 to 293"},
        {"area 0", [](ReportParts& p) { p.areas = "1\r\n0,1,1,1"; },
         "line 10: area 0 is outside 1 to 293"},
        {"owner", [](ReportParts& p) { p.areas = "1\r\n5,13,1,1"; },
         "line 10: owner 13 of area 5 is outside 0 to 12"},
        {"unit owner", [](ReportParts& p) { p.areas = "1\r\n5,1,-1,1"; },
         "line 10: unit owner -1 of area 5 is outside 0 to 12"},
        {"unit kind", [](ReportParts& p) { p.areas = "2\r\n5,1,1,4\r\n6,1,1,9"; },
         "line 11: unit kind 9 of area 6 is outside 0 to 4"},
        {"no unit kind", [](ReportParts& p) { p.areas = "1\r\n5,1,1,-1"; },
         "line 10: unit kind -1 of area 5 is outside 0 to 4"},
        {"area count", [](ReportParts& p) { p.areas = "-1\r\n"; },
         "line 9: the area count -1 is negative"},
    };
    for (const BrokenReport& c : cases) {
        ReportParts parts;
        c.spoil(parts);
        game = HeldGame();
        platform.messages.clear();
        EXPECT_EQ(Read(parts.Text()), ReportOutcome::Refused) << c.what;
        EXPECT_EQ(game, HeldGame()) << c.what;
        ASSERT_EQ(platform.messages.size(), 1u) << c.what;
        EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical) << c.what;
        EXPECT_EQ(platform.messages[0].text.rfind("Can't read report plyrdata.003: ", 0), 0u)
            << platform.messages[0].text;
        EXPECT_NE(platform.messages[0].text.find(c.message), std::string::npos)
            << platform.messages[0].text;
    }
}

TEST_F(ReportReader, RefusesAReportThatCannotBeOpenedOrMergedAndChangesNothing) {
    fs::create_directory(folder.Path("plyrdata.007"));
    const struct {
        std::string folder;
        std::string file;
        std::string shown; // the name in the message
        std::string reason;
    } cases[] = {
        {folder.Folder(), "plyrdata.404", "plyrdata.404", "there is no such file"},
        {folder.Folder(), "plyrdata.007", "plyrdata.007", "it is a folder, not a file"},
        // A path that ends in "/", as shell completion leaves it.
        {folder.Folder(), "", folder.Folder(), "it is a folder, not a file"},
        {folder.Folder(), std::string("plyrdata.003\0x", 14), "plyrdata.003", "NUL character"},
    };
    for (const auto& c : cases) {
        for (const bool merge : {false, true}) {
            game = HeldGame();
            platform.messages.clear();
            const ReportOutcome outcome =
                merge ? MergeReport(game, platform.messages, c.folder, c.file)
                      : ReadReport(game, platform.messages, c.folder, c.file);
            EXPECT_EQ(outcome, ReportOutcome::Refused) << c.reason;
            EXPECT_EQ(game, HeldGame()) << c.reason;
            ASSERT_EQ(platform.messages.size(), 1u) << c.reason;
            const std::string start =
                std::string(merge ? "Can't merge report " : "Can't read report ") + c.shown;
            EXPECT_EQ(platform.messages[0].text.rfind(start, 0), 0u) << platform.messages[0].text;
            EXPECT_NE(platform.messages[0].text.find(c.reason), std::string::npos)
                << platform.messages[0].text;
            EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
        }
    }
}

TEST_F(ReportReader, Takes293AreasAndRefuses294WithTheArrayMessage) {
    ReportParts parts;
    parts.areas = AreaLines(293, 4);
    ASSERT_EQ(Read(parts.Text()), ReportOutcome::Read);
    EXPECT_EQ(game.Areas[292].Owner, 4);

    parts.areas = "294" + AreaLines(293, 5).substr(3) + "1,5,0,0\r\n"; // every line valid
    ExpectRefused(parts.Text(), ReportOutcome::Refused,
                  {{"Area array too small info KPL", MsgIcon::None}});
    EXPECT_FALSE(platform.ended) << "the program carries on";
}

TEST_F(ReportReader, ReadsEarlierOrdersOnlyAfterAWholeReport) {
    folder.Write("orders.tmp", "QZ042,1880,2\r\nDA\r\n1\r\nEND\r\n");
    ReportParts parts;
    parts.areas = "2\r\n5,1,1,1";
    game = HeldGame();
    EXPECT_EQ(Read(parts.Text()), ReportOutcome::Refused);
    EXPECT_EQ(game.OrderCount, 3);
    EXPECT_EQ(platform.messages.size(), 1u);

    platform.messages.clear();
    game = GameState();
    EXPECT_EQ(Read(ReportParts().Text()), ReportOutcome::Read);
    EXPECT_EQ(game.OrderCount, 3);
    EXPECT_EQ(game.Orders[3], (OrderSlot{"DA", 0, 1, 0, 0, 0}));
    EXPECT_TRUE(platform.messages.empty());
}

class MergeReports : public ReportReader {
  protected:
    void SetUp() override {
        ASSERT_EQ(Read(ReportParts().Text()), ReportOutcome::Read);
        platform.messages.clear();
    }
    // A further report: other identifier and players, which the merge does not examine.
    static std::string Further(const std::string& areas) {
        return "QZ999\r\n7,xx,1890,4\r\nPlayers,99\r\nNumber of Areas =\r\n" + areas;
    }
};

TEST_F(MergeReports, FillsEmptyAreasAndReportsEachDisagreementInFileOrder) {
    ASSERT_EQ(game.Areas[5].Owner, 2);
    const std::string areas = "4\r\n"
                              "17,4,1,1\r\n" // owner, unit owner and unit type differ
                              "30,4,4,2\r\n" // no data yet: taken
                              "5,2,2,3\r\n"  // unit type differs
                              "31,12,1,1\r\n";
    const GameState before = game;
    ASSERT_EQ(Merge(Further(areas)), ReportOutcome::Read);

    EXPECT_EQ(game.Areas[17], before.Areas[17]);
    EXPECT_EQ(game.Areas[5], before.Areas[5]);
    EXPECT_EQ(game.Areas[30].Owner, 4);
    EXPECT_EQ(game.Areas[30].UnitOwner, 4);
    EXPECT_EQ(game.Areas[30].UnitKind, 2);
    EXPECT_EQ(game.Areas[31].UnitKind, 1);
    EXPECT_EQ(game.GameId, "QZ042");
    EXPECT_EQ(game.PlayerCount, 3);
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{
                  {"Owner for area  17 does not match previous data", MsgIcon::None},
                  {"Unit owner in area  17 does not match previous data", MsgIcon::None},
                  {"Unit type in area  17 does not match previous data", MsgIcon::None},
                  {"Unit type in area  5 does not match previous data", MsgIcon::None}}));
}

TEST_F(MergeReports, AFailedMergeChangesNothingAndShowsNoMismatch) {
    const GameState before = game;
    const std::pair<std::string, std::string> cases[] = {
        {Further("2\r\n17,4,1,1\r\n30,4"), "line 7: the file ends early"},
        {Further("2\r\n30,4,4,2\r\n300,4,4,2"), "line 7: area 300 is outside 1 to 293"},
        {"QZ042\r\nno label here\r\n",
         "Can't merge report plyrdata.009: the file holds no \"Number of Areas =\""},
    };
    for (const auto& [text, message] : cases) {
        platform.messages.clear();
        EXPECT_EQ(Merge(text), ReportOutcome::Refused) << message;
        EXPECT_EQ(game, before) << message;
        ASSERT_EQ(platform.messages.size(), 1u) << message;
        EXPECT_EQ(platform.messages[0].icon, MsgIcon::Critical);
        EXPECT_NE(platform.messages[0].text.find(message), std::string::npos)
            << platform.messages[0].text;
    }

    platform.messages.clear();
    EXPECT_EQ(Merge(Further(AreaLines(294, 4))), ReportOutcome::Refused);
    EXPECT_EQ(game, before);
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{"Area array too small info KPL", MsgIcon::None}}));
}

TEST(ReportPath, SplitsTheFolderWithItsSlashFromTheName) {
    using Split = std::pair<std::string, std::string>;
    EXPECT_EQ(SplitReportPath("/home/me/game/plyrdata.003"),
              (Split{"/home/me/game/", "plyrdata.003"}));
    EXPECT_EQ(SplitReportPath("/plyrdata.003"), (Split{"/", "plyrdata.003"}));
    EXPECT_EQ(SplitReportPath("game/plyrdata.003"), (Split{"game/", "plyrdata.003"}));
    EXPECT_EQ(SplitReportPath("plyrdata.003"), (Split{"", "plyrdata.003"}));
}

TEST(GameTitle, NamesTheGameThePlayerAndTheDateWithItsSequenceNumber) {
    GameState game;
    game.GameId = "QZ042";
    game.OwnPlayer = 2;
    game.Players[2].Name = "Red Kingdom";
    game.GameYear = 1880;
    game.GameTurn = 2;
    EXPECT_EQ(GameTitle(game), "QZ042 Red Kingdom           Der-ED             Date: 1880.2(2)");
    game.GameYear = 1881;
    EXPECT_EQ(GameTitle(game), "QZ042 Red Kingdom           Der-ED             Date: 1881.2(6)");
    game.OwnPlayer = 0; // a report may be for player 0
    game.Players[0].Name = "Neutral";
    EXPECT_EQ(GameTitle(game).substr(0, 14), "QZ042 Neutral ");
    game.OwnPlayer = MaxPlayer + 1; // a damaged report names no one
    EXPECT_EQ(GameTitle(game).substr(0, 7), "QZ042  ");
    game.GameTurn = 1;
    game.GameYear = 1880;
    EXPECT_TRUE(VictoryConditionsAllowed(game));
}

} // namespace
} // namespace dered
