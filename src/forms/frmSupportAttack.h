#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace dered {

class Program;

// Chooses the player whose attack a support-attack order supports.
class frmSupportAttack : public Form {
  public:
    explicit frmSupportAttack(Program& program);

    void Form_Load() override;
    void lstAllies_DblClick();

    ListBoxModel lstAllies;

  private:
    Program& program_;
};

} // namespace dered
