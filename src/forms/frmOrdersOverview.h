#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace dered {

class frmMap;
class TurnAllies;

// Every order of the turn in words, the allies' orders under each ally's name, and what the check
// before saving finds; all follow every change while the window is open. Choosing a line goes to
// its area. The allies whose orders are loaded are listed to be reloaded or removed.
class frmOrdersOverview : public Form {
  public:
    frmOrdersOverview(const Documents& documents, TurnEvents& events, frmMap& map,
                      TurnAllies& allies);

    void Form_Load() override;
    void lstOrders_Click();
    void lstCheck_Click();

    TextModel fraOrders{"Orders"};
    ListBoxModel lstOrders;
    TextModel fraCheck{"Check before saving"};
    ListBoxModel lstCheck;
    TextModel fraAllies{"Allies' orders"};
    ListBoxModel lstAllies;
    ButtonModel cmdLoadAlly{"Load..."};
    ButtonModel cmdReloadAlly{"Reload"};
    ButtonModel cmdRemoveAlly{"Remove"};

  private:
    void Fill();
    void GoToLine(const ListBoxModel& list);
    void FillAllies();
    // The player of the chosen line of lstAllies, or 0.
    int16_t ChosenAlly() const;

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    frmMap& map_;
    TurnAllies& allies_;
};

} // namespace dered
