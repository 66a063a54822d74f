#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

namespace dered {

// The eight figures of the own player's position, beside the main window.
class frmSummary : public Form {
  public:
    frmSummary(const Documents& documents, Platform& platform, FormManager& forms,
               TurnEvents& events);

    void Form_Load() override;

    DERED_CONTROL(GridModel, grdSummary, 8, 2);

  private:
    void ShowFreeSupply();

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
};

} // namespace dered
