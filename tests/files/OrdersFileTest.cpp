#include "files/OrdersFile.h"

#include "files/ReportReader.h"
#include "orders/OrderList.h"
#include "platform/SystemDisk.h"
#include "support/FaultyDisk.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace dered {
namespace {

namespace fs = std::filesystem;
using test::Message;
using test::RecordingPlatform;

using test::TempFolder;

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void SetArea(GameState& game, int a, const char* code, int16_t parm1 = 0, int16_t parm2 = 0) {
    game.Areas[a].Command = code;
    game.Areas[a].Parm1 = parm1;
    game.Areas[a].Parm2 = parm2;
}

// Every kind of line the two files know, with a freed slot and lines that write nothing.
GameState GameWithEveryOrder() {
    GameState game;
    game.GameId = "QZ001";
    game.PlayerCode = "pc7x";
    game.GameYear = 1880;
    game.GameTurn = 1;
    SetArea(game, 3, "AC");
    SetArea(game, 5, "CO", 1); // area 1: the first of the range
    SetArea(game, 12, "AA");
    SetArea(game, 40, "SA", 41, 3);
    SetArea(game, 41, "SA", 42, 0);
    SetArea(game, 50, "SD", 51);
    SetArea(game, 60, "UU");
    SetArea(game, 61, "DU");
    SetArea(game, 62, "RU");
    SetArea(game, 63, "AF");
    SetArea(game, 64, "AS");
    SetArea(game, 70, "XX", 5, 5);
    SetArea(game, 100, "MO", 101);
    game.Orders[1] = OrderSlot{"SP", 0, 7, 8, 9, 10};
    game.Orders[2] = OrderSlot{"SP", 0, 11, 12, 0, 0};
    game.Orders[3] = OrderSlot{"DA", 0, 1, 0, 0, 0};
    game.Orders[5] = OrderSlot{"GA", 0, 3, -1, 0, 0};
    game.Orders[6] = OrderSlot{"GA", 0, 4, 17, 0, 0};
    game.Orders[7] = OrderSlot{"CA", 0, 2, 5, 0, 0};
    game.Orders[8] = OrderSlot{"VC", 0, 20, 30, 0, 0};
    game.Orders[9] = OrderSlot{"DN", 0, 0, 0, 0, 0};
    game.Orders[10] = OrderSlot{"DW", 0, 7, 0, 0, 0};
    game.Orders[11] = OrderSlot{"SP", 0, 1, 2, 3, 4};
    game.Orders[12] = OrderSlot{"DA", 0, 9, 0, 0, 0}; // beyond OrderCount
    game.OrderCount = 11;
    return game;
}

const std::string kEveryCommand = Lines({"KPLSTART",
                                         "QZ001",
                                         "pc7x",
                                         "",
                                         "AC  3 ",
                                         "CO  5   1 ",
                                         "AA  12 ",
                                         "SA  40   41   3 ",
                                         "SA  41   42 ",
                                         "SD  50   51 ",
                                         "UU  60 ",
                                         "DU  61 ",
                                         "RU  62 ",
                                         "AF  63 ",
                                         "AS  64 ",
                                         "MO  100   101 ",
                                         "SP  7   8   9   10   11   12 ",
                                         "DA  1 ",
                                         "GA  3  ALL",
                                         "GA  4   17 ",
                                         "CA  2   5 ",
                                         "VC  20   30 ",
                                         "DN  0 ",
                                         "DW  7 ",
                                         "KPLEND"});

const std::string kEveryOrdersTmp = Lines({"QZ001         ,              1880          1 "}) +
                                    Lines({"AC", " 3 ",
                                           "CO", " 5             1 ",
                                           "AA", " 12 ",
                                           "SA", " 40            41            3 ",
                                           "SA", " 41            42            0 ",
                                           "SD", " 50            51 ",
                                           "UU", " 60 ",
                                           "DU", " 61 ",
                                           "RU", " 62 ",
                                           "AF", " 63 ",
                                           "AS", " 64 ",
                                           "MO", " 100           101 ",
                                           "SP", " 7             8             9             10 ",
                                           "SP", " 11            12            0             0 ",
                                           "DA", " 1 ",
                                           "GA", " 3            -1 ",
                                           "GA", " 4             17 ",
                                           "CA", " 2             5 ",
                                           "VC", " 20            30 ",
                                           "DN", " 0 ",
                                           "DW", " 7 ",
                                           "END"});

TEST(OrdersFiles, WritesEveryKindOfOrderByteForByte) {
    TempFolder folder;
    GameState game = GameWithEveryOrder();
    game.ReportDir = folder.Folder();
    SystemDisk disk;
    EXPECT_EQ(WriteOrdersFiles(game, disk), "");
    EXPECT_EQ(folder.Read("commands.dat"), kEveryCommand);
    EXPECT_EQ(folder.Read("orders.tmp"), kEveryOrdersTmp);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"commands.dat", "orders.tmp"}))
        << "no temporary file is left behind";
    EXPECT_EQ(SpyTargets(game), (std::array<int16_t, 6>{7, 8, 9, 10, 11, 12}));
}

TEST(OrdersFiles, WritesTheFrameAndAZeroSpyLineBeforeAnyReport) {
    const OrdersTexts texts = FormatOrders(GameState());
    EXPECT_EQ(texts.commands,
              Lines({"KPLSTART", "", "", "", "SP  0   0   0   0   0   0 ", "KPLEND"}));
    // An empty identifier still fills its zone, so the comma stays in column 15.
    EXPECT_EQ(texts.ordersTmp, Lines({"              ,              0             0 ", "SP",
                                      " 0             0             0             0 ", "SP",
                                      " 0             0             0             0 ", "END"}));
}

TEST(OrdersFiles, AMoveSeparatesCodeAndNumbersByTwoAndThreeBlanks) {
    GameState game;
    SetArea(game, 12, "MO", 134);
    SetArea(game, 13, "SA", 14, -1);
    const OrdersTexts texts = FormatOrders(game);
    EXPECT_NE(texts.commands.find("\r\nMO  12   134 \r\nSA  13   14 \r\nSP"), std::string::npos);
    EXPECT_NE(texts.ordersTmp.find("\r\nSA\r\n 13            14            0 \r\n"),
              std::string::npos);
}

// A save writes and flushes both temporaries, keeps the old files and renames; whichever step
// fails, both files are old (or both still missing) afterwards, no temporary is left, and the
// message names the file.
TEST(OrdersFiles, EveryFailingStepOfASaveLeavesBothFilesAsTheyWere) {
    using Step = test::FaultyDisk::Step;
    GameState game = GameWithEveryOrder();
    test::FaultyDisk counted;
    {
        TempFolder folder;
        game.ReportDir = folder.Folder();
        folder.Write("orders.tmp", "old");
        ASSERT_EQ(WriteOrdersFiles(game, counted), "");
    }
    for (const Step step : {Step::Write, Step::Sync, Step::Rename, Step::Link}) {
        ASSERT_GT(counted.Count(step), 0);
        for (int n = 1; n <= counted.Count(step); ++n) {
            for (const bool oldFiles : {true, false}) {
                TempFolder folder;
                game.ReportDir = folder.Folder();
                const std::vector<std::string> before =
                    oldFiles ? std::vector<std::string>{"commands.dat", "orders.tmp"}
                             : std::vector<std::string>{};
                for (const std::string& name : before) {
                    folder.Write(name, "before " + name);
                }
                test::FaultyDisk disk(step, n);
                const std::string message = WriteOrdersFiles(game, disk);
                const std::string where = "step " + std::to_string(int(step)) + " #" +
                                          std::to_string(n) + (oldFiles ? " over old files" : "");
                if (step == Step::Link) {
                    // A file system without second names: the old files are copied instead.
                    EXPECT_EQ(message, "") << where;
                    EXPECT_EQ(folder.Names(),
                              (std::vector<std::string>{"commands.dat", "orders.tmp"}));
                    EXPECT_EQ(folder.Read("orders.tmp"), kEveryOrdersTmp) << where;
                    continue;
                }
                EXPECT_TRUE(
                    message.starts_with("Can't write " + folder.Folder() + "orders.tmp: ") ||
                    message.starts_with("Can't write " + folder.Folder() + "commands.dat: "))
                    << where << ": " << message;
                EXPECT_NE(message.find(test::FaultyDisk::kFault), std::string::npos) << where;
                EXPECT_EQ(folder.Names(), before) << where;
                for (const std::string& name : before) {
                    EXPECT_EQ(folder.Read(name), "before " + name) << where;
                }
            }
        }
    }
}

TEST(OrdersFiles, NothingIsWrittenWhereAFolderStandsOrNoFolderIs) {
    SystemDisk disk;
    for (const char* blocked : {"commands.dat", "orders.tmp"}) {
        TempFolder folder;
        GameState game = GameWithEveryOrder();
        game.ReportDir = folder.Folder();
        fs::create_directory(folder.Path(blocked));
        EXPECT_EQ(WriteOrdersFiles(game, disk),
                  "Can't write " + folder.Folder() + blocked + ": a folder stands in its place");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{blocked});
    }
    TempFolder folder;
    GameState game;
    game.ReportDir = folder.Folder() + "missing/";
    EXPECT_EQ(WriteOrdersFiles(game, disk),
              "Can't write " + folder.Folder() + "missing/orders.tmp: No such file or directory");
}

TEST(OrdersFiles, AnIdentifierThatFillsItsZoneReadsBackInEitherLayout) {
    GameState game;
    game.GameId = "QZ001234567890"; // 14 characters, still a game identifier
    game.GameYear = 1880;
    game.GameTurn = 1;
    const std::string header = "QZ001234567890,              1880          1 \r\n";
    EXPECT_EQ(FormatOrders(game).ordersTmp.rfind(header, 0), 0u) << FormatOrders(game).ordersTmp;
    // Files written before had a whole zone of blanks before the comma.
    const std::string before = "QZ001234567890              ,              1880          1 \r\n";
    for (const std::string& first : {header, before}) {
        TempFolder folder;
        game.ReportDir = folder.Folder();
        folder.Write("orders.tmp", first + "DA\r\n 4 \r\nEND\r\n");
        RecordingPlatform platform;
        GameState read = game;
        ReadEarlierOrders(read, platform.messages);
        EXPECT_TRUE(platform.messages.empty()) << first;
        EXPECT_EQ(read.Orders[3], (OrderSlot{"DA", 0, 4, 0, 0, 0})) << first;
    }
}

class EarlierOrders : public ::testing::Test {
  protected:
    EarlierOrders() {
        game.GameId = "QZ001";
        game.GameYear = 1880;
        game.GameTurn = 1;
        game.ReportDir = folder.Folder();
    }
    void Read(const std::string& text, const std::string& name = "Orders.tmp") {
        folder.Write(name, text);
        ReadEarlierOrders(game, platform.messages);
    }

    TempFolder folder;
    GameState game;
    RecordingPlatform platform;
};

TEST_F(EarlierOrders, RestoreEveryOrderSaved) {
    GameState saved = GameWithEveryOrder();
    Read(FormatOrders(saved).ordersTmp);
    EXPECT_TRUE(platform.messages.empty());
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& was = saved.Areas[a];
        const AreaRecord& now = game.Areas[a];
        if (was.Command == "XX") {
            EXPECT_EQ(now.Command, "") << "an unknown order is not saved";
            continue;
        }
        EXPECT_EQ(std::tie(now.Command, now.Parm1, now.Parm2),
                  std::tie(was.Command, was.Parm1, was.Parm2))
            << "area " << a;
    }
    EXPECT_EQ(game.Orders[1], saved.Orders[1]);
    EXPECT_EQ(game.Orders[2], saved.Orders[2]);
    // The freed slot 4 is not kept: list orders close up from slot 3.
    const std::vector<OrderSlot> list = {{"DA", 0, 1, 0, 0, 0},   {"GA", 0, 3, -1, 0, 0},
                                         {"GA", 0, 4, 17, 0, 0},  {"CA", 0, 2, 5, 0, 0},
                                         {"VC", 0, 20, 30, 0, 0}, {"DN", 0, 0, 0, 0, 0},
                                         {"DW", 0, 7, 0, 0, 0}};
    ASSERT_EQ(game.OrderCount, 9);
    EXPECT_EQ(std::vector<OrderSlot>(game.Orders.begin() + 3, game.Orders.begin() + 10), list);
}

TEST_F(EarlierOrders, NoneFromAMissingOrForeignFile) {
    game.OrderCount = 7;
    ReadEarlierOrders(game, platform.messages);
    EXPECT_EQ(game.OrderCount, 2);
    const std::vector<Message> noOld = {{"No old orders to read in", MsgIcon::None}};
    EXPECT_EQ(platform.messages, noOld);

    for (const char* header :
         {"QZ002,1880,1", "QZ001,1880,2", "QZ001,1881,1", "QZ001,x,1", "QZ001"}) {
        platform.messages.clear();
        const GameState before = game;
        Read(std::string(header) + "\r\nDA\r\n1\r\nAA\r\n12\r\nEND\r\n");
        EXPECT_EQ(game, before) << header;
        EXPECT_EQ(platform.messages, noOld) << header;
    }
}

// Only the entry that cannot be read is left out, and the message says which lines it held.
TEST_F(EarlierOrders, ABrokenEntryIsSkippedAndTheOrdersAfterItAreRead) {
    const struct {
        const char* entry;
        const char* lines;
    } cases[] = {
        {"MO\r\n12\r\nx\r\n", "Lines 4-6 were"},  // text where a number belongs
        {"AA\r\n294\r\n", "Lines 4-5 were"},      // no such area
        {"AA\r\n0\r\n", "Lines 4-5 were"},        // no area
        {"MO\r\n13,294\r\n", "Lines 4-5 were"},   // a move to no area
        {"SA\r\n13,14,13\r\n", "Lines 4-5 were"}, // support of no player
        {"DW\r\n13\r\n", "Lines 4-5 were"},       // war with no player
        {"CA\r\n2,-1\r\n", "Lines 4-5 were"},     // a call to arms against no player
        {"GA\r\n2,294\r\n", "Lines 4-5 were"},    // access to no area
        {"SP\r\n1,2\r\n", "Lines 4-5 were"},      // a spy entry short of two targets
        {"MO\r\n", "Line 4 was"},                 // the numbers missing altogether
    };
    for (const auto& c : cases) {
        game.Areas = {};
        platform.messages.clear();
        Read("QZ001,1880,1\r\nAA\r\n12\r\n" + std::string(c.entry) + "DA\r\n3\r\nEND\r\n");
        EXPECT_EQ(platform.messages,
                  (std::vector<Message>{{folder.Folder() + "Orders.tmp is damaged. " + c.lines +
                                             " not readable and skipped. Every other order in "
                                             "it was read.",
                                         MsgIcon::Exclamation}}))
            << c.entry;
        EXPECT_EQ(game.Areas[12].Command, "AA") << c.entry;
        EXPECT_EQ(game.OrderCount, 3) << c.entry;
        EXPECT_EQ(game.Orders[3], (OrderSlot{"DA", 0, 3, 0, 0, 0})) << c.entry;
    }
}

TEST_F(EarlierOrders, AFileCutShortSaysSo) {
    for (const char* ending : {"", "DN\r\n", "DN\r\n4\r\nAA\r\n"}) {
        platform.messages.clear();
        Read("QZ001,1880,1\r\nDA\r\n3\r\n" + std::string(ending));
        EXPECT_EQ(game.Orders[3], (OrderSlot{"DA", 0, 3, 0, 0, 0})) << ending;
        ASSERT_EQ(platform.messages.size(), 1u) << ending;
        EXPECT_NE(platform.messages[0].text.find("It ends without its END line: it was cut "
                                                 "short, and orders after its last line are "
                                                 "missing."),
                  std::string::npos)
            << platform.messages[0].text;
    }
    EXPECT_NE(platform.messages[0].text.find(" Line 6 was not readable"), std::string::npos)
        << "the entry cut in two is named";
}

// Killed between its two renames, a save leaves a new orders.tmp beside the old commands.dat.
TEST_F(EarlierOrders, ACommandsFileThatDisagreesIsNamed) {
    const std::string ordersTmp = "QZ001,1880,1\r\nDA\r\n3\r\nEND\r\n";
    Read(ordersTmp);
    folder.Write("commands.dat", FormatOrders(game).commands);
    platform.messages.clear();
    Read(ordersTmp);
    EXPECT_TRUE(platform.messages.empty()) << "the two files agree";

    folder.Write("commands.dat", "KPLSTART\r\nQZ001\r\n\r\n\r\nSP  0   0   0   0   0   0 "
                                 "\r\nKPLEND\r\n");
    Read(ordersTmp);
    EXPECT_EQ(game.Orders[3].Code, "DA");
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{
                  {folder.Folder() + "commands.dat does not hold the orders of " + folder.Folder() +
                       "Orders.tmp: a save was cut short. The orders shown are "
                       "those of " +
                       folder.Folder() + "Orders.tmp; save them to write both files again.",
                   MsgIcon::Exclamation}}));
}

TEST(RecoveredOrders, AFileCutShortRestoresWhatItHoldsAndSaysSo) {
    TempFolder folder;
    GameState game = GameWithEveryOrder();
    const std::string text = FormatOrders(game).ordersTmp;
    folder.Write("cut.orders", text.substr(0, text.find("SD\r\n")));
    GameState restored = game;
    RecordingPlatform platform;
    ASSERT_TRUE(RestoreOrders(restored, platform.messages, folder.Path("cut.orders").string()));
    EXPECT_EQ(restored.Areas[41].Command, "SA");
    EXPECT_EQ(restored.Areas[50].Command, "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, folder.Path("cut.orders").string() +
                                             " is damaged. It ends without its END line: it was "
                                             "cut short, and orders after its last line are "
                                             "missing. Every other order in it was read.");
}

TEST_F(EarlierOrders, SkipAThirdSpyEntryAndUnknownCodes) {
    Read(Lines({"QZ001,1880,1", "SP", "1,2,3,4", "SP", "5,6,0,0", "SP", "7,8,9,10", "ZZ", "DW", "2",
                "END", "DA", "9"}));
    EXPECT_EQ(game.Orders[1], (OrderSlot{"SP", 0, 1, 2, 3, 4}));
    EXPECT_EQ(game.Orders[2], (OrderSlot{"SP", 0, 5, 6, 0, 0}));
    EXPECT_EQ(game.OrderCount, 3) << "nothing after END is read";
    EXPECT_EQ(game.Orders[3], (OrderSlot{"DW", 0, 2, 0, 0, 0}));
}

TEST_F(EarlierOrders, StopWhenTheOrderListIsFull) {
    std::string text = "QZ001,1880,1\r\n";
    for (int i = 0; i < 99; ++i) {
        text += "DN\r\n1\r\n";
    }
    Read(text + "AA\r\n12\r\nEND\r\n");
    EXPECT_EQ(game.OrderCount, MaxOrderSlot);
    EXPECT_EQ(game.Areas[12].Command, "") << "reading stopped at the full list";
    EXPECT_EQ(platform.messages, (std::vector<Message>{{kOrderListFull, MsgIcon::Critical}}));
}

TEST_F(EarlierOrders, AnUnreadableFileIsReportedAndReadsNothing) {
    fs::create_directory(folder.Path("orders.tmp"));
    ReadEarlierOrders(game, platform.messages);
    EXPECT_EQ(game.OrderCount, 2);
    EXPECT_EQ(platform.messages,
              (std::vector<Message>{{"Can't read the earlier orders in " + folder.Folder() +
                                         "orders.tmp: it is a folder, not a file",
                                     MsgIcon::Critical}}));
}

TEST_F(EarlierOrders, FindTheFileWhateverTheCaseOfItsName) {
    Read("QZ001,1880,1\r\nDA\r\n1\r\nEND\r\n", "ORDERS.TMP");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(game.Orders[3].Code, "DA");

    // The name the writer uses wins over an older one differing in case.
    Read("QZ001,1880,1\r\nDW\r\n1\r\nEND\r\n", "orders.tmp");
    EXPECT_EQ(game.Orders[3].Code, "DW");
}

TEST(OrdersRoundTrip, SavingThenOpeningTheSameReportRestoresTheOrders) {
    TempFolder folder;
    const std::string report = "QZ001\r\n1,pc7x,1880,1\r\nPlayers,2\r\nA,Alpha,NN\r\n"
                               "B,Beta,NN\r\nC,Gamma,\r\n\"Number of Areas =\",2\r\n"
                               "12,1,1,1\r\n134,0,0,0\r\n";
    folder.Write("plyrdata.001", report);
    RecordingPlatform platform;
    GameState game;
    ASSERT_EQ(ReadReport(game, platform.messages, folder.Folder(), "plyrdata.001"),
              ReportOutcome::Read);
    SetArea(game, 12, "MO", 134);
    SetArea(game, 13, "SA", 12, 2);
    game.Orders[1] = OrderSlot{"SP", 0, 40, 41, 42, 43};
    game.Orders[2] = OrderSlot{"SP", 0, 44, 45, 0, 0};
    EXPECT_NE(AddOrder(game, "DA", 2, 0, 0, 0).slot, 0);
    EXPECT_NE(AddOrder(game, "GA", 2, -1, 0, 0).slot, 0);
    SystemDisk disk;
    ASSERT_EQ(WriteOrdersFiles(game, disk), "");

    GameState reopened;
    platform.messages.clear();
    ASSERT_EQ(ReadReport(reopened, platform.messages, folder.Folder(), "plyrdata.001"),
              ReportOutcome::Read);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(reopened, game);
}

} // namespace
} // namespace dered
