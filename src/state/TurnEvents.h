#pragma once

#include "ui/Observable.h"

#include <cstdint>

namespace dered {

// One change to the turn's orders, as the rules raise it and the windows follow it.
struct TurnChange {
    enum class Kind {
        OrderStored,       // area's Command, Parm1 and Parm2 were just written
        AreaSettled,       // a rule is done with area: show it anew
        FreeSupplyChanged, // Summary.FreeSupply changed
        ListOrdersChanged, // a slot of the order list was written or freed
        TurnOpened,        // a report was opened or merged: the records are a new start
    };
    Kind kind;
    int16_t area = 0;
    bool operator==(const TurnChange&) const = default;
};

// The turn's change signal.
class TurnEvents : public Observable<TurnChange> {
  public:
    void OrderStored(int16_t area) { Notify({TurnChange::Kind::OrderStored, area}); }
    void AreaSettled(int16_t area) { Notify({TurnChange::Kind::AreaSettled, area}); }
    void FreeSupplyChanged() { Notify({TurnChange::Kind::FreeSupplyChanged, 0}); }
    void ListOrdersChanged() { Notify({TurnChange::Kind::ListOrdersChanged, 0}); }
    void TurnOpened() { Notify({TurnChange::Kind::TurnOpened, 0}); }
};

} // namespace dered
