#include "files/OrdersFile.h"

#include "files/FileCommit.h"
#include "files/LineWriter.h"
#include "files/OrderCodes.h"
#include "state/OrderKinds.h"

#include <algorithm>
#include <initializer_list>
#include <sstream>

namespace dered {

using namespace order_codes;

int CountOrders(std::string_view commands) {
    int count = 0;
    int line = 0;
    size_t start = 0;
    while (start < commands.size()) {
        size_t end = commands.find('\n', start);
        if (end == std::string_view::npos) {
            end = commands.size();
        }
        std::string_view text = commands.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        start = end + 1;
        // The header: "KPLSTART", the game, the player and a blank line.
        if (++line <= 4 || text.empty() || text == "KPLEND") {
            continue;
        }
        const bool emptySpy = text.starts_with(OrderCode::Spy) &&
                              text.find_first_not_of("SP 0") == std::string_view::npos;
        if (!emptySpy) {
            ++count;
        }
    }
    return count;
}

namespace {

// Writes each order to both files: "commands.dat" joins tightly with a blank between
// items, "orders.tmp" puts the code on a line of its own and the numbers in zones below.
class OrdersWriter {
  public:
    OrdersWriter(std::ostream& commands, std::ostream& ordersTmp)
        : commands_(commands, LineWriter::Join::Tight),
          ordersTmp_(ordersTmp, LineWriter::Join::Zones) {}

    void Header(const GameState& game) {
        commands_.Text("KPLSTART").EndLine();
        commands_.Text(game.GameId).EndLine();
        commands_.Text(game.PlayerCode).EndLine();
        commands_.EndLine();
        ordersTmp_.Text(game.GameId).Text(",").Number(game.GameYear).Number(game.GameTurn);
        ordersTmp_.EndLine();
    }

    void AreaOrder(int16_t a, const AreaRecord& area) {
        const std::string& code = area.Command;
        if (IsOneOf(code, kPlainArea)) {
            Both(code, {a});
        } else if (IsOneOf(code, kTargetArea)) {
            Both(code, {a, area.Parm1});
        } else if (code == OrderCode::SupportAttack && area.Parm2 > 0) {
            Both(code, {a, area.Parm1, area.Parm2});
        } else if (code == OrderCode::SupportAttack) {
            // Support of an own attack names no player for the game master.
            CommandsLine(code, {a, area.Parm1});
            OrdersTmpLines(code, {a, area.Parm1, 0});
        }
    }

    void Spy(const GameState& game) {
        for (int slot = 1; slot <= kSpySlots; ++slot) {
            const OrderSlot& s = game.Orders[slot];
            OrdersTmpLines(OrderCode::Spy, {s.P1, s.P2, s.P3, s.P4});
        }
        const std::array<int16_t, 6> t = SpyTargets(game);
        CommandsLine(OrderCode::Spy, {t[0], t[1], t[2], t[3], t[4], t[5]});
    }

    void ListOrder(const OrderSlot& slot) {
        const std::string& code = slot.Code;
        if (IsOneOf(code, kOnePlayer)) {
            Both(code, {slot.P1});
        } else if (code == OrderCode::GrantAccess && slot.P2 == -1) {
            commands_.Text(code).Text(" ").Number(slot.P1).Text(" ").Text("ALL").EndLine();
            OrdersTmpLines(code, {slot.P1, slot.P2});
        } else if (IsOneOf(code, kTwoNumber)) {
            Both(code, {slot.P1, slot.P2});
        }
    }

    void End() {
        commands_.Text("KPLEND").EndLine();
        ordersTmp_.Text("END").EndLine();
    }

  private:
    void CommandsLine(std::string_view code, std::initializer_list<int16_t> numbers) {
        commands_.Text(code);
        for (const int16_t n : numbers) {
            commands_.Text(" ").Number(n);
        }
        commands_.EndLine();
    }

    void OrdersTmpLines(std::string_view code, std::initializer_list<int16_t> numbers) {
        ordersTmp_.Text(code).EndLine();
        for (const int16_t n : numbers) {
            ordersTmp_.Number(n);
        }
        ordersTmp_.EndLine();
    }

    void Both(std::string_view code, std::initializer_list<int16_t> numbers) {
        CommandsLine(code, numbers);
        OrdersTmpLines(code, numbers);
    }

    LineWriter commands_;
    LineWriter ordersTmp_;
};

} // namespace

OrdersTexts FormatOrders(const GameState& game) {
    std::ostringstream commands;
    std::ostringstream ordersTmp;
    OrdersWriter writer(commands, ordersTmp);
    writer.Header(game);
    for (int16_t a = 1; a <= MaxArea; ++a) {
        writer.AreaOrder(a, game.Areas[a]);
    }
    writer.Spy(game);
    const int last = std::min<int>(game.OrderCount, MaxOrderSlot);
    for (int slot = kSpySlots + 1; slot <= last; ++slot) {
        writer.ListOrder(game.Orders[slot]);
    }
    writer.End();
    return {commands.str(), ordersTmp.str()};
}

std::array<int16_t, 6> SpyTargets(const GameState& game) {
    const OrderSlot& first = game.Orders[1];
    const OrderSlot& second = game.Orders[2];
    return {first.P1, first.P2, first.P3, first.P4, second.P1, second.P2};
}

// orders.tmp is replaced first: a program killed between the two renames leaves the player's
// own copy the newer one, and the next open says that commands.dat disagrees with it.
std::string WriteOrdersFiles(const GameState& game, Disk& disk) {
    const OrdersTexts texts = FormatOrders(game);
    const CommitFailure failure =
        CommitTogether({{game.ReportDir + std::string(kOrdersTmpFileName), texts.ordersTmp},
                        {game.ReportDir + std::string(kCommandsFileName), texts.commands}},
                       disk);
    return failure.Failed() ? failure.Message() : std::string();
}

} // namespace dered
