#include "forms/frmCallToArms.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

// Alliances and wars change who can be called, and against whom.
frmCallToArms::frmCallToArms(Documents& documents, Platform& platform, TurnEvents& events)
    : DiplomacyForm("frmCallToArms", "Call To Arms", documents, platform, events,
                    {OrderCode::CallToArms, OrderCode::Alliance, OrderCode::War}) {
    cmdCallToArms.onClick = [this] { cmdCallToArms_Click(); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
}

void frmCallToArms::Form_Load() {
    const GameState& game = Game();
    for (ListBoxModel* list : {&lstAllies, &lstEnemies, &lstCommands}) {
        list->Clear();
    }
    for (const int16_t p : OtherPlayers(game)) {
        if (CanBeCalled(game, p)) {
            lstAllies.AddItem(game.Players[p].Name, p);
        } else if (CanBeCalledAgainst(game, p)) {
            lstEnemies.AddItem(game.Players[p].Name, p);
        }
    }
    ListCommands(lstCommands, [&game](const OrderSlot& order) {
        return order.Code == OrderCode::CallToArms
                   ? order.Code + " " + PlayerAbbrev(game, order.P1) + PlayerAbbrev(game, order.P2)
                   : std::string();
    });
}

void frmCallToArms::cmdCallToArms_Click() {
    int32_t ally = 0;
    int32_t enemy = 0;
    if (!ChosenItem(lstAllies, ally) || !ChosenItem(lstEnemies, enemy)) {
        return;
    }
    const auto a = static_cast<int16_t>(ally);
    const auto e = static_cast<int16_t>(enemy);
    Give(
        lstCommands, [&](Turn& turn) { return CallToArms(turn, a, e); },
        [&](const GameState& game) {
            return "CA " + PlayerAbbrev(game, a) + " " + PlayerAbbrev(game, e);
        });
}

void frmCallToArms::cmdDelete_Click() {
    DeleteChosen(lstCommands);
}

} // namespace dered
