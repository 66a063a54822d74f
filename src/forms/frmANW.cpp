#include "forms/frmANW.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmANW::frmANW(Documents& documents, Platform& platform, TurnEvents& events)
    : Form("frmANW", "Allied-Neutal-War"), documents_(documents), platform_(platform),
      events_(events) {
    PlaceAfter(lstAllies, cmdNeutral[0]);
    PlaceAfter(lstEnemies, cmdNeutral[1]);
    cmdAlly.onClick = [this] { cmdAlly_Click(); };
    cmdWar.onClick = [this] { cmdWar_Click(); };
    cmdNeutral[0].onClick = [this] { cmdNeutral_Click(0); };
    cmdNeutral[1].onClick = [this] { cmdNeutral_Click(1); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
    events.Subscribe([this](const TurnChange& change) {
        if (change.listOrders && IsLoaded() && listed_.Changed()) {
            Form_Load();
        }
    });
}

void frmANW::OrdersChanged() {
    listed_.Take();
    events_.ListOrdersChanged();
}

void frmANW::Form_Load() {
    const GameState& game = Game();
    for (ListBoxModel* list : {&lstAllies, &lstNeutrals, &lstEnemies, &lstCommands}) {
        list->Clear();
    }
    for (const int16_t p : OtherPlayers(game)) {
        const Standing standing = StandingOf(game, p);
        ListBoxModel& list = standing == Standing::Ally    ? lstAllies
                             : standing == Standing::Enemy ? lstEnemies
                                                           : lstNeutrals;
        list.AddItem(game.Players[p].Name, p);
    }
    for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        if (order.Code == OrderCode::Alliance || order.Code == OrderCode::Neutrality ||
            order.Code == OrderCode::War) {
            lstCommands.AddItem(order.Code + " " + PlayerName(game, order.P1), slot);
        }
    }
    cmdWar.SetEnabled(WarAllowed(game), kWarNotYet);
    listed_.Take();
}

void frmANW::cmdAlly_Click() {
    Declare(OrderCode::Alliance, lstNeutrals);
}

void frmANW::cmdWar_Click() {
    Declare(OrderCode::War, lstNeutrals);
}

void frmANW::cmdNeutral_Click(int Index) {
    Declare(OrderCode::Neutrality, Index == 0 ? lstAllies : lstEnemies);
}

void frmANW::cmdDelete_Click() {
    DeleteChosenOrder(Game(), lstCommands);
    OrdersChanged();
}

void frmANW::Declare(std::string_view code, const ListBoxModel& players) {
    int32_t chosen = 0;
    if (!ChosenItem(players, chosen)) {
        return;
    }
    const auto p = static_cast<int16_t>(chosen);
    Turn turn{Game(), events_};
    const Outcome declared = listed_.Own([&] { return dered::Declare(turn, code, p); });
    ShowNotices(platform_, declared.notices);
    if (declared.ending == Ending::Stored) {
        lstCommands.AddItem(std::string(code) + " " + PlayerName(turn.game, p), declared.slot);
    }
}

} // namespace dered
