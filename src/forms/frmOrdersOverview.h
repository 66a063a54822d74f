#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"

#include <cstdint>
#include <vector>

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

    DERED_CONTROL(TextModel, fraOrders, "Orders");
    DERED_CONTROL(ListBoxModel, lstOrders);
    DERED_CONTROL(TextModel, fraCheck, "Check before saving");
    DERED_CONTROL(ListBoxModel, lstCheck);
    // Reload and remove act on the ally of the chosen line of lstOrders.
    DERED_CONTROL(ButtonModel, cmdLoadAlly, "Load Ally's Orders...");
    DERED_CONTROL(ButtonModel, cmdReloadAlly, "Reload Ally");
    DERED_CONTROL(ButtonModel, cmdRemoveAlly, "Remove Ally");

  private:
    void Fill();
    void GoToLine(const ListBoxModel& list);
    // The ally whose orders the chosen line of lstOrders is among, or 0.
    int16_t ChosenAlly() const;

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    frmMap& map_;
    TurnAllies& allies_;
    std::vector<int16_t> allyOfLine_; // by line of lstOrders: the ally, or 0 for the own orders
};

} // namespace dered
