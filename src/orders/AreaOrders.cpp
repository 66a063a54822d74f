#include "orders/AreaOrders.h"

#include "orders/MoveRules.h"
#include "orders/OrderList.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"

namespace dered {

namespace {

// What withdrawing an order gives back: the opposite of what entering it charged.
int16_t RefundOf(const AreaRecord& a) {
    const std::string& c = a.Command;
    if (c == "AA" || c == "AF") {
        return 2;
    }
    if (c == "AC" || c == "AS" || c == "UU") {
        return 1;
    }
    if (c == "DU") {
        return -1;
    }
    if (c == "RU") {
        return static_cast<int16_t>(-UnitKindSize(a.UnitKind));
    }
    return 0;
}

} // namespace

void SetAreaCommand(Turn& turn, const std::string& code, int16_t parm1, int16_t parm2) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (game.ReadOnly) {
        game.PendingCommand = MapCommand::None;
        turn.platform.MsgBox(ReadOnlyText(game), MsgIcon::Information);
        return;
    }
    if ((code == "MO" || code == "SA" || code == "SD") && !ValidateMove(turn, area, parm1)) {
        game.PendingCommand = MapCommand::None;
        return;
    }
    const int16_t refund = RefundOf(game.Areas[area]);
    if (refund != 0) {
        AdjustSupply(turn, refund);
    }
    AreaRecord& a = game.Areas[area];
    a.Command = code;
    a.Parm1 = parm1;
    a.Parm2 = parm2;
    turn.events.OrderStored(area);
    game.PendingCommand = MapCommand::None;
}

void ClearAreaCommand(Turn& turn) {
    GameState& game = turn.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (game.Areas[area].Command.empty()) {
        return;
    }
    SetAreaCommand(turn, "", 0, 0);
    turn.events.AreaSettled(area);
}

void AdjustSupply(Turn& turn, int16_t amount) {
    if (turn.game.ReadOnly) {
        return;
    }
    int16_t& free = turn.game.Summary.FreeSupply;
    const bool wasShort = free < 0;
    free = Add16(free, amount);
    if (wasShort && free > 0) {
        free = 0;
    }
    turn.events.FreeSupplyChanged();
}

} // namespace dered
