// The orders saved earlier, as opening the same turn again reads them back.
#include "FuzzSupport.h"
#include "ui/Notice.h"

#include "files/OrdersFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const GameState& held = fuzz::DemoGame();
    GameState game = held;
    Notices said;
    (void)ReadEarlierOrdersText(game, said, std::string(reinterpret_cast<const char*>(data), size),
                                "orders.tmp");
    fuzz::CheckGame(game);
    fuzz::Require(game.OrderCount >= 2, "the spy slots are always there");
    GameState rest = game;
    for (int a = 1; a <= MaxArea; ++a) {
        rest.Areas[a].Command = held.Areas[a].Command;
        rest.Areas[a].Parm1 = held.Areas[a].Parm1;
        rest.Areas[a].Parm2 = held.Areas[a].Parm2;
    }
    rest.Orders = held.Orders;
    rest.OrderCount = held.OrderCount;
    fuzz::Require(rest == held, "earlier orders change orders only");
    // What was read is written again and reads back the same, whole.
    GameState again = held;
    const std::string text = FormatOrders(game).ordersTmp;
    fuzz::Require(ReadEarlierOrdersText(again, said, text, "orders.tmp"),
                  "saved orders read back whole");
    fuzz::Require(FormatOrders(again).ordersTmp == text, "saved orders read back the same");
    return 0;
}
