#pragma once

#include "state/GameState.h"
#include "state/TurnEvents.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

namespace dered {

// The eight figures of the own player's position, beside the main window.
class frmSummary : public Form {
  public:
    frmSummary(const GameState& game, Platform& platform, FormManager& forms, TurnEvents& events);

    void Form_Load() override;

    GridModel grdSummary{8, 2};

  private:
    void ShowFreeSupply();

    const GameState& game_;
    Platform& platform_;
    FormManager& forms_;
};

} // namespace dered
