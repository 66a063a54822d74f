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

    ListBoxModel lstAllies;

  private:
    GameState& game_;
    FormManager& forms_;
};

} // namespace dered
