#pragma once

#include "orders/ListOrders.h"
#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"

#include <cstdint>
#include <string>

namespace dered {

// Up to six spy targets in one row; map clicks add them while the window is open, and closing
// the window writes them into the two spy slots of the order list.
class frmSpy : public Form {
  public:
    frmSpy(Documents& documents, Platform& platform, TurnEvents& events);

    void Form_Load() override;
    void Form_Unload() override;
    void cmdDelete_Click();
    // A map click: the area goes into the first empty cell of the row.
    void AddTarget(int16_t area);

    // Overwrites one slot of the order list (0 to 100) without looking for a free one.
    void SetOrderSlot(int16_t slot, std::string_view code, int16_t p1, int16_t p2, int16_t p3,
                      int16_t p4);

    static constexpr int kTargets = kSpyTargets;
    DERED_CONTROL(GridModel, grdSpy, 1, kTargets);
    DERED_CONTROL(ButtonModel, cmdDelete, "Delete");

  private:
    int16_t Target(int col) const;
    void ShowTargets();

    Documents& documents_;
    // The turn on screen.
    GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    TurnEvents& events_;
    // The two spy slots as the grid last showed them.
    OrderSlot shown1_;
    OrderSlot shown2_;
};

} // namespace dered
