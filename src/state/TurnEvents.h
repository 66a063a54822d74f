#pragma once

#include "ui/Observable.h"

#include <cstdint>
#include <vector>

namespace dered {

// One change to the turn: everything one user action, one undo step or one report read
// touched, raised once when it is done.
struct TurnChange {
    std::vector<int16_t> areas; // areas whose order fields were written, each once
    bool freeSupply = false;    // Summary.FreeSupply changed
    bool listOrders = false;    // a slot of the order list was written or freed
    bool opened = false;        // a report was opened or merged: the records are a new start
    bool allies = false;        // an ally's orders were loaded, reloaded or removed

    bool Empty() const { return areas.empty() && !freeSupply && !listOrders && !opened && !allies; }
    // The orders the recovery file and the undo history keep changed.
    bool OrdersChanged() const { return !areas.empty() || listOrders; }
    bool operator==(const TurnChange&) const = default;
};

// The turn's change signal. What the rules report gathers into one change, raised when the
// outermost Batch ends, or at once outside any.
class TurnEvents : public Observable<TurnChange> {
  public:
    class Batch {
      public:
        explicit Batch(TurnEvents& events) : events_(events) { ++events_.depth_; }
        ~Batch() {
            if (--events_.depth_ == 0) {
                events_.Flush();
            }
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        TurnEvents& events_;
    };

    void AreaOrderChanged(int16_t area);
    void FreeSupplyChanged() { Raise(&TurnChange::freeSupply); }
    void ListOrdersChanged() { Raise(&TurnChange::listOrders); }
    void TurnOpened() { Raise(&TurnChange::opened); }
    void AlliesChanged() { Raise(&TurnChange::allies); }

  private:
    void Raise(bool TurnChange::*flag);
    void Flush();

    TurnChange pending_;
    int depth_ = 0;
};

} // namespace dered
