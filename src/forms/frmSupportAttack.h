#pragma once

#include "state/GameState.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormManager.h"

namespace dered {

// Chooses the player whose attack a support-attack order supports.
class frmSupportAttack : public Form {
  public:
    frmSupportAttack(GameState& game, FormManager& forms);

    void Form_Load() override;
    void lstAllies_DblClick();

    // What to choose, and what closing the window means, above the list.
    TextModel lblChoose;
    ListBoxModel lstAllies;

  private:
    GameState& game_;
    FormManager& forms_;
};

} // namespace dered
