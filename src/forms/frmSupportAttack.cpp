#include "forms/frmSupportAttack.h"

#include "app/Program.h"
#include "orders/OrderList.h"

namespace dered {

frmSupportAttack::frmSupportAttack(Program& program)
    : Form("frmSupportAttack", "Support Attack"), program_(program) {
    AddControl("lstAllies", &lstAllies);
}

void frmSupportAttack::Form_Load() {
    GameState& game = program_.records.game;
    game.SupportedPlayer = game.OwnPlayer;
    lstAllies.Clear();
    for (int16_t p = 1; p <= game.PlayerCount - 1 && p <= MaxPlayer; ++p) {
        if (p != game.OwnPlayer && (IsAllied(game, game.OwnPlayer, p) || HasAllyOrder(game, p))) {
            lstAllies.AddItem(game.Players[p].Name, p);
        }
    }
}

void frmSupportAttack::lstAllies_DblClick() {
    GameState& game = program_.records.game;
    const int index = lstAllies.ListIndex();
    game.SupportedPlayer =
        index >= 0 ? static_cast<int16_t>(lstAllies.Lines()[index].itemData) : game.OwnPlayer;
    program_.forms.Unload(*this);
}

} // namespace dered
