#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace dered {

class frmMap;

// The own supply centres, then the own units, that rivals can get into next turn, the most
// threatened first; follows every change while open. Choosing a line goes to its area.
class frmThreats : public Form {
  public:
    frmThreats(const Documents& documents, TurnEvents& events, frmMap& map);

    void Form_Load() override;
    void lstThreats_Click();

    DERED_CONTROL(TextModel, lblThreats);
    DERED_CONTROL(ListBoxModel, lstThreats);

  private:
    void Fill();

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    frmMap& map_;
};

} // namespace dered
