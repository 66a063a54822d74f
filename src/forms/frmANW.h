#pragma once

#include "forms/DiplomacyForm.h"
#include "ui/Control.h"

#include <array>
#include <cstdint>
#include <string>

namespace dered {

// Declarations of alliance, neutrality and war towards the other players.
class frmANW : public DiplomacyForm {
  public:
    frmANW(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void cmdAlly_Click();
    void cmdNeutral_Click(int Index);
    void cmdWar_Click();
    void cmdDelete_Click();

    DERED_CONTROL(TextModel, fraAllies, "Allies");
    DERED_CONTROL(ListBoxModel, lstAllies);
    DERED_CONTROL(TextModel, fraNeutrals, "Neutrals");
    DERED_CONTROL(ListBoxModel, lstNeutrals);
    DERED_CONTROL(ButtonModel, cmdAlly, "Ally");
    DERED_CONTROL(ButtonModel, cmdWar, "War");
    DERED_CONTROL(TextModel, fraEnemies, "Enemies");
    DERED_CONTROL(ListBoxModel, lstEnemies);
    // Index 0 under the allies, index 1 under the enemies.
    DERED_CONTROLS(ButtonModel, 2, cmdNeutral, {ButtonModel("Neutral"), ButtonModel("Neutal")});
    DERED_CONTROL(TextModel, fraCommands, "Commands");
    DERED_CONTROL(ListBoxModel, lstCommands);
    DERED_CONTROL(ButtonModel, cmdDelete, "Delete");

  private:
    void Declare(std::string_view code, const ListBoxModel& players);
};

} // namespace dered
