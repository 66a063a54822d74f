#pragma once

#include "forms/DiplomacyForm.h"

namespace dered {

// Calls to arms: an ally is asked to join a war against an enemy.
class frmCallToArms : public DiplomacyForm {
  public:
    frmCallToArms(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void cmdCallToArms_Click();
    void cmdDelete_Click();

    TextModel Frame1{"Call To Arms"};
    TextModel Text1{"Allies"};
    TextModel Text2{"Enemies"};
    ListBoxModel lstAllies;
    ListBoxModel lstEnemies;
    ButtonModel cmdCallToArms{"Call To Arms"};
    TextModel fraCommands{"Commands"};
    ListBoxModel lstCommands;
    ButtonModel cmdDelete{"Delete"};
};

} // namespace dered
