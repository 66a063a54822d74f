#include "forms/frmGrantAccess.h"

#include "orders/DiplomacyLists.h"
#include "orders/ListOrders.h"
#include "state/LeadingNumber.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"
#include "ui/Notice.h"

namespace dered {

frmGrantAccess::frmGrantAccess(Documents& documents, Platform& platform, TurnEvents& events)
    : Form("frmGrantAccess", "Grant Access"), documents_(documents), platform_(platform),
      events_(events) {
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
    events.Subscribe([this](const TurnChange& change) {
        if (change.listOrders && IsLoaded() && listed_.Changed()) {
            Form_Load();
        }
    });
}

void frmGrantAccess::OrdersChanged() {
    listed_.Take();
    events_.ListOrdersChanged();
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
    for (int16_t slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& order = game.Orders[slot];
        if (order.Code != OrderCode::GrantAccess) {
            continue;
        }
        // The area as orders.tmp holds it: after a blank, with its own sign place.
        const std::string where =
            order.P2 < 1 ? std::string(" all") : std::string(1, ' ').append(SignedText(order.P2));
        lstCommands.AddItem(order.Code + " " + PlayerAbbrev(game, order.P1) + where, slot);
    }
    listed_.Take();
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
    Turn turn{Game(), events_};
    const Outcome granted = listed_.Own([&] { return GrantAccessToAll(turn, player); });
    ShowNotices(platform_, granted.notices);
    if (granted.ending == Ending::Stored) {
        lstCommands.AddItem("GA " + PlayerAbbrev(turn.game, player) + " all ", granted.slot);
    }
}

void frmGrantAccess::cmdDelete_Click() {
    DeleteChosenOrder(Game(), lstCommands);
    OrdersChanged();
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
    Turn turn{Game(), events_};
    const Outcome granted = listed_.Own([&] { return GrantAccess(turn, player, area); });
    ShowNotices(platform_, granted.notices);
    if (granted.ending == Ending::Stored) {
        lstCommands.AddItem("GA " + PlayerAbbrev(turn.game, player) + txtArea.Text(), granted.slot);
    }
}

} // namespace dered
