#pragma once

#include "forms/ListedOrders.h"
#include "state/OrderKinds.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Platform.h"

namespace dered {

// Calls to arms: an ally is asked to join a war against an enemy.
class frmCallToArms : public Form {
  public:
    frmCallToArms(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void cmdCallToArms_Click();
    void cmdDelete_Click();

    DERED_CONTROL(TextModel, Frame1, "Call To Arms");
    DERED_CONTROL(TextModel, Text1, "Allies");
    DERED_CONTROL(TextModel, Text2, "Enemies");
    DERED_CONTROL(ListBoxModel, lstAllies);
    DERED_CONTROL(ListBoxModel, lstEnemies);
    DERED_CONTROL(ButtonModel, cmdCallToArms, "Call To Arms");
    DERED_CONTROL(TextModel, fraCommands, "Commands");
    DERED_CONTROL(ListBoxModel, lstCommands);
    DERED_CONTROL(ButtonModel, cmdDelete, "Delete");

  private:
    // The order list changed here: the lists are as the records are, the others are told.
    void OrdersChanged();

    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    TurnEvents& events_;
    ListedOrders listed_{documents_, {OrderCode::CallToArms, OrderCode::Alliance, OrderCode::War}};
};

} // namespace dered
