#pragma once

#include "forms/DiplomacyForm.h"
#include "orders/ListOrders.h" // kMustOwnArea
#include "ui/Control.h"

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

    bool clearing_ = false;
};

inline constexpr const char* kSelectPlayerToGrant = "Select a player to grant access to";

} // namespace dered
