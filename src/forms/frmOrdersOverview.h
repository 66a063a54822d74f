#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace dered {

class frmMap;

// Every order of the turn in words, and what the check before saving finds; both follow every
// change while the window is open. Choosing a line goes to its area.
class frmOrdersOverview : public Form {
  public:
    frmOrdersOverview(const Documents& documents, TurnEvents& events, frmMap& map);

    void Form_Load() override;
    void lstOrders_Click();
    void lstCheck_Click();

    TextModel fraOrders{"Orders"};
    ListBoxModel lstOrders;
    TextModel fraCheck{"Check before saving"};
    ListBoxModel lstCheck;

  private:
    void Fill();
    void GoToLine(const ListBoxModel& list);

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    frmMap& map_;
};

} // namespace dered
