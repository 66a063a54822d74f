#pragma once

#include "forms/ListedOrders.h"
#include "orders/ListOrders.h" // kMustOwnArea
#include "state/OrderKinds.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Platform.h"

namespace dered {

// Grants of access to allies, area by area (clicked on the map) or to all areas at once.
class frmGrantAccess : public Form {
  public:
    frmGrantAccess(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdGrant_Click();
    void cmdGrantAll_Click();
    void cmdDelete_Click();
    // Runs on every change of txtArea, typed or written by a map click.
    void txtArea_Change();

    DERED_CONTROL(TextBoxModel, Text1);
    DERED_CONTROL(TextModel, fraOptions, "Options");
    DERED_CONTROL(ListBoxModel, lstPlayers);
    DERED_CONTROL(ButtonModel, cmdGrant, "Grant");
    DERED_CONTROL(ButtonModel, cmdGrantAll, "Grant All");
    DERED_CONTROL(TextBoxModel, txtArea);
    DERED_CONTROL(TextModel, fraCommands, "Commands");
    DERED_CONTROL(ListBoxModel, lstCommands);
    DERED_CONTROL(ButtonModel, cmdDelete, "Delete");

  private:
    bool ChosenPlayer(int16_t& player);

    // The order list changed here: the lists are as the records are, the others are told.
    void OrdersChanged();

    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    TurnEvents& events_;
    ListedOrders listed_{documents_, {OrderCode::GrantAccess}};
    bool clearing_ = false;
};

inline constexpr const char* kSelectPlayerToGrant = "Select a player to grant access to";

} // namespace dered
