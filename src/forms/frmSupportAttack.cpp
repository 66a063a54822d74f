#include "forms/frmSupportAttack.h"

#include "orders/DiplomacyLists.h"
#include "orders/OrderList.h"

namespace dered {

frmSupportAttack::frmSupportAttack(Documents& documents, FormManager& forms)
    : Form("frmSupportAttack", "Support Attack"), documents_(documents), forms_(forms) {
    lblChoose.SetText("Double-click the ally whose attack this order supports. Closing this "
                      "window without a choice supports your own attack.");
}

void frmSupportAttack::Form_Load() {
    GameState& game = Game();
    game.SupportedPlayer = game.OwnPlayer;
    lstAllies.Clear();
    for (const int16_t p : OtherPlayers(game)) {
        if (IsAllied(game, game.OwnPlayer, p) || HasAllyOrder(game, p)) {
            lstAllies.AddItem(game.Players[p].Name, p);
        }
    }
}

void frmSupportAttack::lstAllies_DblClick() {
    GameState& game = Game();
    const int index = lstAllies.ListIndex();
    game.SupportedPlayer =
        index >= 0 ? static_cast<int16_t>(lstAllies.Lines()[index].itemData) : game.OwnPlayer;
    forms_.Unload(*this);
}

} // namespace dered
