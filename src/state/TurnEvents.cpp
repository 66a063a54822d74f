#include "state/TurnEvents.h"

#include <algorithm>
#include <utility>

namespace dered {

void TurnEvents::AreaOrderChanged(int16_t area) {
    std::vector<int16_t>& areas = pending_.areas;
    if (std::find(areas.begin(), areas.end(), area) == areas.end()) {
        areas.push_back(area);
    }
    Batch done(*this);
}

void TurnEvents::Raise(bool TurnChange::*flag) {
    pending_.*flag = true;
    Batch done(*this);
}

void TurnEvents::Flush() {
    if (pending_.Empty()) {
        return;
    }
    // A listener may start a change of its own: it gathers afresh.
    const TurnChange change = std::exchange(pending_, {});
    Notify(change);
}

} // namespace dered
