#include "forms/frmANW.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmANW::frmANW(Documents& documents, Platform& platform, TurnEvents& events)
    : DiplomacyForm("frmANW", "Allied-Neutal-War", documents, platform, events,
                    {OrderCode::Alliance, OrderCode::Neutrality, OrderCode::War}) {
    PlaceAfter(lstAllies, cmdNeutral[0]);
    PlaceAfter(lstEnemies, cmdNeutral[1]);
    cmdAlly.onClick = [this] { cmdAlly_Click(); };
    cmdWar.onClick = [this] { cmdWar_Click(); };
    cmdNeutral[0].onClick = [this] { cmdNeutral_Click(0); };
    cmdNeutral[1].onClick = [this] { cmdNeutral_Click(1); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
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
    ListCommands(lstCommands, [&game](const OrderSlot& order) {
        const bool listed = order.Code == OrderCode::Alliance ||
                            order.Code == OrderCode::Neutrality || order.Code == OrderCode::War;
        return listed ? order.Code + " " + PlayerName(game, order.P1) : std::string();
    });
    cmdWar.SetEnabled(WarAllowed(game), kWarNotYet);
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
    DeleteChosen(lstCommands);
}

void frmANW::Declare(std::string_view code, const ListBoxModel& players) {
    int32_t chosen = 0;
    if (!ChosenItem(players, chosen)) {
        return;
    }
    const auto p = static_cast<int16_t>(chosen);
    Give(
        lstCommands, [&](Turn& turn) { return dered::Declare(turn, code, p); },
        [&](const GameState& game) { return std::string(code) + " " + PlayerName(game, p); });
}

} // namespace dered
