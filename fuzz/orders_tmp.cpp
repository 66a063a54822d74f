// The orders saved earlier, as opening the same turn again reads them back.
#include "FuzzSupport.h"

#include "files/OrdersFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace dered;
    const GameState& held = fuzz::DemoGame();
    fuzz::WriteScratch("orders.tmp", data, size);
    GameState game = held;
    game.ReportDir = fuzz::ScratchFolder();
    fuzz::QuietPlatform platform;
    ReadEarlierOrders(game, platform);
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
    rest.ReportDir = held.ReportDir;
    fuzz::Require(rest == held, "earlier orders change orders only");
    // What was read is written again and reads back the same.
    GameState again = held;
    again.ReportDir = fuzz::ScratchFolder();
    const std::string text = FormatOrders(game).ordersTmp;
    fuzz::WriteScratch("orders.tmp", reinterpret_cast<const uint8_t*>(text.data()), text.size());
    ReadEarlierOrders(again, platform);
    fuzz::Require(FormatOrders(again).ordersTmp == text, "saved orders read back the same");
    return 0;
}
