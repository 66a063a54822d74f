#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>

namespace dered {

// The order list as a dialog last filled its lists from it, so that the dialog refills them
// only when the list changed behind its back (an undo, another dialog).
class ListedOrders {
  public:
    explicit ListedOrders(const GameState& game) : game_(game) {}
    void Take() {
        seen_ = game_.Orders;
        count_ = game_.OrderCount;
    }
    bool Changed() const { return seen_ != game_.Orders || count_ != game_.OrderCount; }

  private:
    const GameState& game_;
    std::array<OrderSlot, MaxOrderSlot + 1> seen_{};
    int16_t count_ = 0;
};

} // namespace dered
