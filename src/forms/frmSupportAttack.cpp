#include "forms/frmSupportAttack.h"

#include "orders/DiplomacyLists.h"
#include "orders/OrderList.h"

namespace dered {

frmSupportAttack::frmSupportAttack(GameState& game, FormManager& forms)
    : Form("frmSupportAttack", "Support Attack"), game_(game), forms_(forms) {
    AddControl("lblChoose", &lblChoose);
    AddControl("lstAllies", &lstAllies);
    lblChoose.SetText("Double-click the ally whose attack this order supports. Closing this "
                      "window without a choice supports your own attack.");
}

void frmSupportAttack::Form_Load() {
    GameState& game = game_;
    game.SupportedPlayer = game.OwnPlayer;
    lstAllies.Clear();
    for (const int16_t p : OtherPlayers(game)) {
        if (IsAllied(game, game.OwnPlayer, p) || HasAllyOrder(game, p)) {
            lstAllies.AddItem(game.Players[p].Name, p);
        }
    }
}

void frmSupportAttack::lstAllies_DblClick() {
    GameState& game = game_;
    const int index = lstAllies.ListIndex();
    game.SupportedPlayer =
        index >= 0 ? static_cast<int16_t>(lstAllies.Lines()[index].itemData) : game.OwnPlayer;
    forms_.Unload(*this);
}

} // namespace dered
