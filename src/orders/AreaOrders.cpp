#include "orders/AreaOrders.h"

#include "orders/MoveRules.h"
#include "orders/OrderList.h"
#include "orders/Turn.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

namespace dered {

namespace {

// What withdrawing an order gives back: the opposite of what entering it charged.
int16_t RefundOf(const AreaRecord& a) {
    const std::string& c = a.Command;
    if (c == OrderCode::AddArmy || c == OrderCode::AddFleet) {
        return 2;
    }
    if (c == OrderCode::AddCorps || c == OrderCode::AddSquadron || c == OrderCode::Upgrade) {
        return 1;
    }
    if (c == OrderCode::Downgrade) {
        return -1;
    }
    if (c == OrderCode::Remove) {
        return static_cast<int16_t>(-UnitKindSize(a.UnitKind));
    }
    return 0;
}

} // namespace

Outcome SetAreaCommand(Turn& turn, int16_t area, std::string_view code, int16_t parm1,
                       int16_t parm2) {
    GameState& game = turn.game;
    area = AreaOrNone(area);
    Outcome outcome;
    const TurnEvents::Batch change(turn.events);
    if ((code == OrderCode::Move || code == OrderCode::SupportAttack ||
         code == OrderCode::SupportDefence) &&
        !ValidateMove(game, area, parm1, outcome)) {
        outcome.ending = Ending::Refused;
        return outcome;
    }
    const int16_t refund = RefundOf(game.Areas[area]);
    if (refund != 0) {
        AdjustSupply(turn, refund);
    }
    AreaRecord& a = game.Areas[area];
    a.Command = code;
    a.Parm1 = parm1;
    a.Parm2 = parm2;
    turn.events.AreaOrderChanged(area);
    outcome.ending = Ending::Stored;
    return outcome;
}

Outcome ClearAreaCommand(Turn& turn, int16_t area) {
    area = AreaOrNone(area);
    if (turn.game.Areas[area].Command.empty()) {
        return {};
    }
    return SetAreaCommand(turn, area, "", 0, 0);
}

void AdjustSupply(Turn& turn, int16_t amount) {
    int16_t& free = turn.game.Summary.FreeSupply;
    const bool wasShort = free < 0;
    free = Add16(free, amount);
    if (wasShort && free > 0) {
        free = 0;
    }
    turn.events.FreeSupplyChanged();
}

} // namespace dered
