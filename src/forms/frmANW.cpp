#include "forms/frmANW.h"

#include "orders/DiplomacyLists.h"
#include "orders/OrderList.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmANW::frmANW(Documents& documents, Platform& platform, TurnEvents& events)
    : Form("frmANW", "Allied-Neutal-War"), documents_(documents), platform_(platform),
      events_(events) {
    AddControl("fraAllies", &fraAllies);
    AddControl("lstAllies", &lstAllies);
    AddControl("cmdNeutral(0)", &cmdNeutral[0]);
    AddControl("fraNeutrals", &fraNeutrals);
    AddControl("lstNeutrals", &lstNeutrals);
    AddControl("cmdAlly", &cmdAlly);
    AddControl("cmdWar", &cmdWar);
    AddControl("fraEnemies", &fraEnemies);
    AddControl("lstEnemies", &lstEnemies);
    AddControl("cmdNeutral(1)", &cmdNeutral[1]);
    AddControl("fraCommands", &fraCommands);
    AddControl("lstCommands", &lstCommands);
    AddControl("cmdDelete", &cmdDelete);
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
        ListBoxModel& list = IsAllied(game, game.OwnPlayer, p)  ? lstAllies
                             : IsAtWar(game, game.OwnPlayer, p) ? lstEnemies
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
    cmdWar.SetEnabled(!(game.GameYear == 1880 && game.GameTurn <= 1),
                      "War can be declared from the second turn of the game on");
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
    if (CheckAnwIssued(p)) {
        return;
    }
    GameState& game = Game();
    const AddedOrder added = AddOrder(game, code, p, 0, 0, 0);
    ShowNotices(platform_, added.refusal);
    if (added.slot != 0) {
        lstCommands.AddItem(std::string(code) + " " + PlayerName(game, p), added.slot);
        OrdersChanged();
    }
}

// One declaration per player, whatever its kind.
bool frmANW::CheckAnwIssued(int16_t player) {
    const GameState& game = Game();
    for (const ListBoxModel::Line& line : lstCommands.Lines()) {
        const OrderSlot* order = LineSlot(game, line);
        if (order != nullptr && order->P1 == player) {
            platform_.MsgBox("ANW command has already been issued for " + PlayerName(game, player),
                             MsgIcon::None);
            return true;
        }
    }
    return false;
}

} // namespace dered
