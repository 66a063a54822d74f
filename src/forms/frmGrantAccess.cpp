#include "forms/frmGrantAccess.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/LeadingNumber.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmGrantAccess::frmGrantAccess(Documents& documents, Platform& platform, TurnEvents& events)
    : DiplomacyForm("frmGrantAccess", "Grant Access", documents, platform, events,
                    {OrderCode::GrantAccess}) {
    Text1.SetText("Select a player  and \"grant\" followed by  an area (click on map) or "
                  "\"grant all\"");
    cmdGrant.onClick = [this] { cmdGrant_Click(); };
    cmdGrantAll.onClick = [this] { cmdGrantAll_Click(); };
    cmdDelete.onClick = [this] { cmdDelete_Click(); };
    txtArea.Subscribe([this](const Changed&) {
        if (!clearing_ && IsLoaded()) {
            txtArea_Change();
        }
    });
}

void frmGrantAccess::Form_Load() {
    const GameState& game = Game();
    clearing_ = true;
    txtArea.SetText({});
    clearing_ = false;
    lstPlayers.Clear();
    lstCommands.Clear();
    for (const int16_t p : OtherPlayers(game)) {
        if (StandingOf(game, p) == Standing::Ally) {
            lstPlayers.AddItem(game.Players[p].Name, p);
        }
    }
    ListCommands(lstCommands, [&game](const OrderSlot& order) {
        if (order.Code != OrderCode::GrantAccess) {
            return std::string();
        }
        // The area as orders.tmp holds it: after a blank, with its own sign place.
        const std::string where =
            order.P2 < 1 ? std::string(" all") : std::string(1, ' ').append(SignedText(order.P2));
        return order.Code + " " + PlayerAbbrev(game, order.P1) + where;
    });
}

void frmGrantAccess::Form_Unload() {
    Game().PendingCommand = MapCommand::None;
}

bool frmGrantAccess::ChosenPlayer(int16_t& player) {
    int32_t chosen = 0;
    if (!ChosenItem(lstPlayers, chosen)) {
        platform_.MsgBox(kSelectPlayerToGrant, MsgIcon::Critical);
        return false;
    }
    player = static_cast<int16_t>(chosen);
    return true;
}

void frmGrantAccess::cmdGrant_Click() {
    int16_t player = 0;
    if (ChosenPlayer(player)) {
        Game().PendingCommand = MapCommand::GrantAccess;
    }
}

void frmGrantAccess::cmdGrantAll_Click() {
    int16_t player = 0;
    if (!ChosenPlayer(player)) {
        return;
    }
    Give(
        lstCommands, [&](Turn& turn) { return GrantAccessToAll(turn, player); },
        [&](const GameState& game) { return "GA " + PlayerAbbrev(game, player) + " all "; });
}

void frmGrantAccess::cmdDelete_Click() {
    DeleteChosen(lstCommands);
}

void frmGrantAccess::txtArea_Change() {
    // Typing can change the box before any player is chosen; the grant needs one.
    int16_t player = 0;
    if (!ChosenPlayer(player)) {
        return;
    }
    // What is no area number at all gets the refusal of an area not owned.
    int16_t area = 0;
    if (!NearestInt16(LeadingNumber(txtArea.Text()), area)) {
        area = 0;
    }
    Give(
        lstCommands, [&](Turn& turn) { return GrantAccess(turn, player, area); },
        [&](const GameState& game) { return "GA " + PlayerAbbrev(game, player) + txtArea.Text(); });
}

} // namespace dered
