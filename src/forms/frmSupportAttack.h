#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"

namespace dered {

// Chooses the player whose attack a support-attack order supports.
class frmSupportAttack : public Form {
  public:
    frmSupportAttack(Documents& documents, FormManager& forms);

    void Form_Load() override;
    void lstAllies_DblClick();

    // What to choose, and what closing the window means, above the list.
    DERED_CONTROL(TextModel, lblChoose);
    DERED_CONTROL(ListBoxModel, lstAllies);

  private:
    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    FormManager& forms_;
};

} // namespace dered
