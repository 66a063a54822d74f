#include "files/AllyOrdersFile.h"

#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "orders/OrderList.h"
#include "support/DemoTurn.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dered {
namespace {

using test::DemoTurn;

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

std::string Commands(const std::string& code, std::initializer_list<std::string_view> orders) {
    std::string text = Lines({"KPLSTART", "QZ001", code, ""});
    for (const std::string_view line : orders) {
        text.append(line).append("\r\n");
    }
    return text;
}

// Player 5's orders, written by the program, read by player 3 as an ally's: from commands.dat at
// once, from orders.tmp once player 3 has merged player 5's report and so sees whose units give
// them.
TEST(AllyOrdersFileTest, AnAllysSavedOrdersReadBackFromEitherFile) {
    DemoTurn brim("demo/1880-1/plyrdata.005");
    GameState& five = brim.game;
    five.Areas[22].Command = "MO";
    five.Areas[22].Parm1 = 23;
    five.Areas[59].Command = "SA";
    five.Areas[59].Parm1 = 60;
    five.Areas[59].Parm2 = 3;
    five.Areas[36].Command = "AA";
    ASSERT_NE(AddOrder(five, "DA", 3, 0, 0, 0).slot, 0);
    ASSERT_NE(AddOrder(five, "GA", 3, -1, 0, 0).slot, 0);
    five.Orders[1] = OrderSlot{"SP", 0, 105, 0, 0, 0};
    const OrdersTexts texts = FormatOrders(five);

    DemoTurn esk;
    GameState& three = esk.game;
    const AllyFileRead commands = ReadAllyOrdersText(three, "x/commands.dat", texts.commands);
    ASSERT_TRUE(commands.Read()) << commands.error;
    const AllyOrders& read = commands.orders;
    EXPECT_EQ(read.player, 5);
    EXPECT_EQ(read.path, "x/commands.dat");
    EXPECT_EQ(read.areaOrders,
              (std::vector<AllyAreaOrder>{{22, "MO", 23, 0}, {36, "AA", 0, 0}, {59, "SA", 60, 3}}));
    EXPECT_EQ(read.listOrders, (std::vector<OrderSlot>{{"SP", 0, 105, 0, 0, 0},
                                                       {"SP", 0, 0, 0, 0, 0},
                                                       {"DA", 0, 3, 0, 0, 0},
                                                       {"GA", 0, 3, -1, 0, 0}}));
    // Player 3's report does not show player 5's areas, so nothing there fits yet.
    EXPECT_FALSE(FitsTheTurn(three, 5, *read.OrderAt(22)));
    EXPECT_EQ(read.OrderAt(23), nullptr);
    EXPECT_FALSE(ReadAllyOrdersText(three, "x/orders.tmp", texts.ordersTmp).Read());

    const auto [folder, file] = SplitReportPath(test::kSourceData + "demo/1880-1/plyrdata.005");
    ASSERT_EQ(MergeReport(three, esk.platform.messages, folder, file), ReportOutcome::Read);
    EXPECT_TRUE(FitsTheTurn(three, 5, *read.OrderAt(22)));
    EXPECT_TRUE(FitsTheTurn(three, 5, *read.OrderAt(36))); // a build: the ally's empty centre
    EXPECT_FALSE(FitsTheTurn(three, 3, *read.OrderAt(22)));
    const AllyFileRead tmp = ReadAllyOrdersText(three, "x/orders.tmp", texts.ordersTmp);
    ASSERT_TRUE(tmp.Read()) << tmp.error;
    EXPECT_EQ(tmp.orders.player, 5);
    EXPECT_EQ(tmp.orders.areaOrders, read.areaOrders);
    EXPECT_EQ(tmp.orders.listOrders, read.listOrders);
}

TEST(AllyOrdersFileTest, AWrongFileIsRefusedWholeWithItsNameAndTheReason) {
    DemoTurn esk;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Der-ED demo game,Turn report\r\n", "is not an orders file"},
        {Lines({"KPLSTART", "QZ002", "BRIM-2093", "", "KPLEND"}),
         "holds orders for game QZ002, not for the open game QZ001"},
        {Commands("ZZZ-1", {"KPLEND"}), "is of player code ZZZ-1, which names no player"},
        {Commands("ESK-4417", {"KPLEND"}), "holds your own orders"},
        {Commands("ESK-9", {"KPLEND"}), "holds your own orders"},
        {Commands("BRIM-1", {"MO  22 ", "KPLEND"}), "line 5: MO wants 2 numbers"},
        {Commands("BRIM-1", {"XX 22", "KPLEND"}), "line 5: XX is no order"},
        {Commands("BRIM-1", {"MO 22 400", "KPLEND"}), "line 5: no area 400"},
        {Commands("BRIM-1", {"AA 22", "MO 22 x", "KPLEND"}), "line 6: x is not a number"},
        {Commands("BRIM-1", {"AA 22", "MO 22 23", "KPLEND"}), "line 6: a second order for area 22"},
        {Commands("BRIM-1", {"DA 13", "KPLEND"}), "line 5: no player 13"},
        {Commands("BRIM-1", {"SP 0 0 0 0 0 0", "SP 0 0 0 0 0 0", "KPLEND"}), "a second SP line"},
        {Commands("BRIM-1", {"MO 22 23"}), "ends without its KPLEND line"},
        {"KPLSTART\r\nQZ001\r\n", "ends inside its header"},
        {"QZ001,1881 2\r\nEND\r\n",
         "holds orders for 1881 turn 2, not for the open turn, 1880 turn 1"},
        {"QZ001,1880 1\r\nMO\r\n22\r\nEND\r\n", "line 2: not an order the program reads"},
        {"QZ001,1880 1\r\nMO\r\n118 134\r\n", "ends without its END line"},
        {"QZ001,1880 1\r\nMO\r\n118 134\r\nEND\r\n", "holds your own orders"},
        {"QZ001,1880 1\r\nMO\r\n22 23\r\nEND\r\n", "does not say whose orders it holds"},
    };
    for (const auto& [text, reason] : cases) {
        const AllyFileRead read = ReadAllyOrdersText(esk.game, "ally/file", text);
        EXPECT_FALSE(read.Read()) << text;
        EXPECT_NE(read.error.find("ally/file"), std::string::npos) << read.error;
        EXPECT_NE(read.error.find(reason), std::string::npos) << read.error;
        EXPECT_EQ(read.orders, AllyOrders{});
    }
    test::TempFolder temp;
    EXPECT_NE(ReadAllyOrders(esk.game, temp.Folder()).error.find("Can't read"), std::string::npos);
    EXPECT_NE(ReadAllyOrdersText(GameState{}, "f", Commands("BRIM-1", {"KPLEND"}))
                  .error.find("open your own report first"),
              std::string::npos);
}

} // namespace
} // namespace dered
