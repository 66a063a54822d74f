#include "forms/frmCallToArms.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmCallToArms::frmCallToArms(Documents& documents, Platform& platform, TurnEvents& events)
    : Form("frmCallToArms", "Call To Arms"), documents_(documents), platform_(platform),
      events_(events) {
    cmdCallToArms.onClick = [this] { cmdCallToArms_Click(); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
    events.Subscribe([this](const TurnChange& change) {
        if (change.listOrders && IsLoaded() && listed_.Changed()) {
            Form_Load();
        }
    });
}

void frmCallToArms::OrdersChanged() {
    listed_.Take();
    events_.ListOrdersChanged();
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
    for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        if (order.Code == OrderCode::CallToArms) {
            lstCommands.AddItem(order.Code + " " + PlayerAbbrev(game, order.P1) +
                                    PlayerAbbrev(game, order.P2),
                                slot);
        }
    }
    listed_.Take();
}

void frmCallToArms::cmdCallToArms_Click() {
    int32_t ally = 0;
    int32_t enemy = 0;
    if (!ChosenItem(lstAllies, ally) || !ChosenItem(lstEnemies, enemy)) {
        return;
    }
    const auto a = static_cast<int16_t>(ally);
    const auto e = static_cast<int16_t>(enemy);
    Turn turn{Game(), events_};
    const Outcome called = listed_.Own([&] { return CallToArms(turn, a, e); });
    ShowNotices(platform_, called.notices);
    if (called.ending == Ending::Stored) {
        lstCommands.AddItem("CA " + PlayerAbbrev(turn.game, a) + " " + PlayerAbbrev(turn.game, e),
                            called.slot);
    }
}

void frmCallToArms::cmdDelete_Click() {
    DeleteChosenOrder(Game(), lstCommands);
    OrdersChanged();
}

} // namespace dered
