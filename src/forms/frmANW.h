#pragma once

#include "forms/DiplomacyForm.h"

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

    TextModel fraAllies{"Allies"};
    ListBoxModel lstAllies;
    TextModel fraNeutrals{"Neutrals"};
    ListBoxModel lstNeutrals;
    ButtonModel cmdAlly{"Ally"};
    ButtonModel cmdWar{"War"};
    TextModel fraEnemies{"Enemies"};
    ListBoxModel lstEnemies;
    // Index 0 under the allies, index 1 under the enemies.
    std::array<ButtonModel, 2> cmdNeutral{ButtonModel("Neutral"), ButtonModel("Neutal")};
    TextModel fraCommands{"Commands"};
    ListBoxModel lstCommands;
    ButtonModel cmdDelete{"Delete"};

  private:
    void Declare(std::string_view code, const ListBoxModel& players);
};

} // namespace dered
