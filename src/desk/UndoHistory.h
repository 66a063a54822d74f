#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Observable.h"

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

// Undo and redo of the player's changes to the turn's orders. The history keeps a copy of the
// order records as the last step left them; a step is closed when a rule is done with an area
// or a dialog changed the order list, and holds only what differs from that copy, so that one
// user action (a move's double click and click, a grant of all areas) is one step. Undoing
// writes the records back and raises the turn's events, which every window follows.
class UndoHistory : public Observable<Changed> {
  public:
    UndoHistory(Documents& documents, TurnEvents& events);

    // The records as they now are are the start: no steps either way.
    void Reset();
    // Closes the step in progress, if the records differ from the last one.
    void Seal();

    // A window that holds an order outside the list while it is open (the victory conditions)
    // holds the history: undo and redo wait until it lets go.
    void Hold(bool held);
    bool CanUndo() const { return !held_ && !undo_.empty(); }
    bool CanRedo() const { return !held_ && !redo_.empty(); }
    // What the next undo or redo does; empty when there is none.
    std::string UndoWhat() const { return undo_.empty() ? std::string{} : undo_.back().what; }
    std::string RedoWhat() const { return redo_.empty() ? std::string{} : redo_.back().what; }
    size_t UndoCount() const { return undo_.size(); }

    void Undo();
    void Redo();

    // The oldest steps go once there are more than this.
    static constexpr size_t kMaxSteps = 500;

  private:
    void Follow(const TurnChange& change);
    OrderTable CurrentOrders() const;
    void Apply(const std::vector<std::pair<int16_t, AreaRecord>>& areas,
               const std::optional<OrderTable>& orders,
               const std::optional<SummaryCounters>& summary);
    std::string Describe(const UndoStep& step) const;

    // The steps are the open turn's, whatever is on screen; a turn that takes no orders has
    // none to take.
    GameState& Game() const { return documents_.Current().records; }

    Documents& documents_;
    TurnEvents& events_;
    std::array<AreaRecord, MaxArea + 1> areas_{};
    OrderTable orders_;
    SummaryCounters summary_;
    std::vector<UndoStep> undo_;
    std::vector<UndoStep> redo_;
    bool dirty_ = false;
    std::vector<int16_t> touched_; // areas named since the last step
    bool ordersTouched_ = false;
    bool applying_ = false;
    bool held_ = false;
};

} // namespace dered
