#pragma once

#include "forms/DiplomacyForm.h"
#include "ui/Control.h"

namespace dered {

// Calls to arms: an ally is asked to join a war against an enemy.
class frmCallToArms : public DiplomacyForm {
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
};

} // namespace dered
