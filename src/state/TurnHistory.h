#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dered {

// The order list as one value: slots and count.
struct OrderTable {
    std::array<OrderSlot, MaxOrderSlot + 1> entries{};
    int16_t count = 0;
    bool operator==(const OrderTable&) const = default;
};

// What one user action changed: every area record it touched, and the order list and the
// counters if it touched them, each as it was before and after.
struct UndoStep {
    std::string what; // "move from 12 to 15"
    std::vector<std::pair<int16_t, AreaRecord>> areasBefore, areasAfter;
    std::optional<OrderTable> ordersBefore, ordersAfter;
    std::optional<SummaryCounters> summaryBefore, summaryAfter;
};

// A turn's steps to undo and redo, and a copy of its order records as the last step left them,
// which the step in progress is told apart from.
struct TurnHistory {
    std::array<AreaRecord, MaxArea + 1> areas{};
    OrderTable orders;
    SummaryCounters summary;
    std::vector<UndoStep> undo;
    std::vector<UndoStep> redo;
    bool dirty = false;
    std::vector<int16_t> touched; // areas named since the last step
    bool ordersTouched = false;
};

} // namespace dered
