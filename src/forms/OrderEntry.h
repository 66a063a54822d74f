#pragma once

#include "orders/Outcome.h"
#include "state/OrderKinds.h"

#include <cstdint>

namespace dered {

class Platform;
class SupportedPlayerQuestion;
struct Turn;

// The map window's order entry: what a double click and a target click do with the chosen
// option button. The orders go through the desk; what it gives back is shown here, after the
// entry state (PendingCommand, SelectedArea) is settled, so that the map redrawn for the
// order never shows a wait that has ended.
class OrderEntry {
  public:
    // The option button after the area orders: the area's order is withdrawn.
    static constexpr int kWithdrawOption = static_cast<int>(kAreaOrderKinds);

    OrderEntry(Turn& turn, Platform& platform, SupportedPlayerQuestion& question);

    // The double click on `area` with option button `option` chosen. False when the turn is
    // read-only: that has been said and nothing was tried.
    bool Begin(int option, int16_t area);
    // The click on `target` while a move, support or convoy waits for it.
    void Complete(int16_t target);
    // Drops the order waiting for its target; false when none waits.
    bool Cancel();

  private:
    void Show(const Outcome& outcome);

    Turn& turn_;
    Platform& platform_;
    SupportedPlayerQuestion& question_;
};

// The kind of order a pending map command completes, or null.
const OrderKind* KindWaitingFor(MapCommand command);

} // namespace dered
