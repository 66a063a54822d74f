#include "desk/UndoHistory.h"

#include "desk/OrderWords.h"

#include <algorithm>
#include <utility>

namespace dered {

UndoHistory::UndoHistory(Documents& documents, TurnEvents& events)
    : documents_(documents), events_(events) {
    events.Subscribe([this](const TurnChange& change) { Follow(change); });
    Reset();
}

// Each change is one user action: one step.
void UndoHistory::Follow(const TurnChange& change) {
    TurnHistory& h = Steps();
    if (applying_) {
        return;
    }
    if (change.opened) {
        Reset();
        return;
    }
    for (int16_t area : change.areas) {
        if (area >= 0 && area <= MaxArea) {
            h.touched.push_back(area);
        }
    }
    h.ordersTouched = h.ordersTouched || change.listOrders;
    h.dirty = true;
    Seal();
}

OrderTable UndoHistory::CurrentOrders() const {
    return OrderTable{Game().Orders, Game().OrderCount};
}

void UndoHistory::Reset() {
    TurnHistory& h = Steps();
    h.areas = Game().Areas;
    h.orders = CurrentOrders();
    h.summary = Game().Summary;
    h.undo.clear();
    h.redo.clear();
    h.dirty = false;
    h.touched.clear();
    h.ordersTouched = false;
    Notify({});
}

void UndoHistory::Seal() {
    TurnHistory& h = Steps();
    if (!h.dirty) {
        return;
    }
    h.dirty = false;
    UndoStep step;
    // Only what the changes named is compared with the copy: the rest is as it was.
    std::sort(h.touched.begin(), h.touched.end());
    h.touched.erase(std::unique(h.touched.begin(), h.touched.end()), h.touched.end());
    for (int16_t area : std::exchange(h.touched, {})) {
        if (Game().Areas[area] != h.areas[area]) {
            step.areasBefore.emplace_back(area, h.areas[area]);
            step.areasAfter.emplace_back(area, Game().Areas[area]);
            h.areas[area] = Game().Areas[area];
        }
    }
    if (std::exchange(h.ordersTouched, false)) {
        if (OrderTable now = CurrentOrders(); now != h.orders) {
            step.ordersBefore = h.orders;
            step.ordersAfter = now;
            h.orders = std::move(now);
        }
    }
    if (Game().Summary != h.summary) {
        step.summaryBefore = h.summary;
        step.summaryAfter = Game().Summary;
        h.summary = Game().Summary;
    }
    if (step.areasAfter.empty() && !step.ordersAfter && !step.summaryAfter) {
        return;
    }
    step.what = Describe(step);
    h.undo.push_back(std::move(step));
    if (h.undo.size() > kMaxSteps) {
        h.undo.erase(h.undo.begin());
    }
    h.redo.clear();
    Notify({});
}

// The windows follow the step as one change, as they follow a rule.
void UndoHistory::Apply(const std::vector<std::pair<int16_t, AreaRecord>>& areas,
                        const std::optional<OrderTable>& orders,
                        const std::optional<SummaryCounters>& summary) {
    TurnHistory& h = Steps();
    applying_ = true;
    for (const auto& [area, record] : areas) {
        Game().Areas[area] = record;
        h.areas[area] = record;
    }
    if (orders) {
        Game().Orders = orders->entries;
        Game().OrderCount = orders->count;
        h.orders = *orders;
    }
    if (summary) {
        Game().Summary = *summary;
        h.summary = *summary;
    }
    {
        const TurnEvents::Batch change(events_);
        for (const auto& entry : areas) {
            if (entry.first != 0) { // no window shows area 0
                events_.AreaOrderChanged(entry.first);
            }
        }
        if (summary) {
            events_.FreeSupplyChanged();
        }
        if (orders) {
            events_.ListOrdersChanged();
        }
    }
    applying_ = false;
}

void UndoHistory::Hold(bool held) {
    held_ = held;
    Notify({});
}

void UndoHistory::Undo() {
    Move(Steps().undo, Steps().redo, true);
}

void UndoHistory::Redo() {
    Move(Steps().redo, Steps().undo, false);
}

void UndoHistory::Move(std::vector<UndoStep>& from, std::vector<UndoStep>& to, bool undoing) {
    Seal();
    if (held_ || from.empty()) {
        return;
    }
    UndoStep step = std::move(from.back());
    from.pop_back();
    if (undoing) {
        Apply(step.areasBefore, step.ordersBefore, step.summaryBefore);
    } else {
        Apply(step.areasAfter, step.ordersAfter, step.summaryAfter);
    }
    to.push_back(std::move(step));
    Notify({});
}

std::string UndoHistory::Describe(const UndoStep& step) const {
    std::vector<int16_t> ordered;
    for (size_t i = 0; i < step.areasAfter.size(); ++i) {
        if (step.areasAfter[i].second.Command != step.areasBefore[i].second.Command ||
            step.areasAfter[i].second.Parm1 != step.areasBefore[i].second.Parm1 ||
            step.areasAfter[i].second.Parm2 != step.areasBefore[i].second.Parm2) {
            ordered.push_back(static_cast<int16_t>(i));
        }
    }
    if (ordered.size() == 1 && !step.ordersAfter) {
        const auto& [area, record] = step.areasAfter[ordered.front()];
        return AreaOrderShort(record, area);
    }
    if (ordered.empty() && step.ordersAfter) {
        std::vector<int> changed;
        for (int slot = 0; slot <= MaxOrderSlot; ++slot) {
            if (step.ordersAfter->entries[slot] != step.ordersBefore->entries[slot]) {
                changed.push_back(slot);
            }
        }
        // A single slot says what it became; several of one kind (the two spy slots, a
        // victory order moved to another slot) say the kind.
        if (changed.size() == 1) {
            const OrderSlot& after = step.ordersAfter->entries[changed.front()];
            const OrderSlot& before = step.ordersBefore->entries[changed.front()];
            return after.Code.empty() ? "delete " + ListOrderShort(Game(), before)
                                      : ListOrderShort(Game(), after);
        }
        std::string code;
        for (const int slot : changed) {
            const OrderSlot& after = step.ordersAfter->entries[slot];
            const std::string& c =
                after.Code.empty() ? step.ordersBefore->entries[slot].Code : after.Code;
            if (!code.empty() && c != code) {
                return "orders";
            }
            code = c;
        }
        return ListOrderShort(Game(), OrderSlot{code, 0, 0, 0, 0, 0});
    }
    if (ordered.empty() && !step.ordersAfter) {
        return "free supply";
    }
    return "orders of " + std::to_string(ordered.size()) + " areas";
}

} // namespace dered
