#pragma once

#include "forms/DiplomacyForm.h"
#include "orders/ListOrders.h" // kMustOwnArea

namespace dered {

// Grants of access to allies, area by area (clicked on the map) or to all areas at once.
class frmGrantAccess : public DiplomacyForm {
  public:
    frmGrantAccess(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdGrant_Click();
    void cmdGrantAll_Click();
    void cmdDelete_Click();
    // Runs on every change of txtArea, typed or written by a map click.
    void txtArea_Change();

    TextBoxModel Text1;
    TextModel fraOptions{"Options"};
    ListBoxModel lstPlayers;
    ButtonModel cmdGrant{"Grant"};
    ButtonModel cmdGrantAll{"Grant All"};
    TextBoxModel txtArea;
    TextModel fraCommands{"Commands"};
    ListBoxModel lstCommands;
    ButtonModel cmdDelete{"Delete"};

  private:
    bool ChosenPlayer(int16_t& player);

    bool clearing_ = false;
};

inline constexpr const char* kSelectPlayerToGrant = "Select a player to grant access to";

} // namespace dered
