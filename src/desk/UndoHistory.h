#pragma once

#include "state/TurnDocument.h"
#include "state/TurnEvents.h"
#include "state/TurnHistory.h"
#include "ui/Controls.h"
#include "ui/Observable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dered {

// Undo and redo of the player's changes to the open turn's orders, whose document keeps the
// steps and a copy of the order records as the last step left them; a step is closed when a rule is
// done with an area or a dialog changed the order list, and holds only what differs from that copy,
// so that one user action (a move's double click and click, a grant of all areas) is one step.
// Undoing writes the records back and raises the turn's events, which every window follows.
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
    bool CanUndo() const { return !held_ && !Steps().undo.empty(); }
    bool CanRedo() const { return !held_ && !Steps().redo.empty(); }
    // What the next undo or redo does; empty when there is none.
    std::string UndoWhat() const { return WhatOf(Steps().undo); }
    std::string RedoWhat() const { return WhatOf(Steps().redo); }
    size_t UndoCount() const { return Steps().undo.size(); }

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
    // Takes the last step of `from` over to `to`, writing back the records as they were before
    // it (undoing) or after it (redoing); the step in progress is closed first.
    void Move(std::vector<UndoStep>& from, std::vector<UndoStep>& to, bool undoing);
    std::string Describe(const UndoStep& step) const;

    // The steps are the open turn's, whatever is on screen; a turn that takes no orders has
    // none to take.
    GameState& Game() const { return documents_.Current().records; }
    TurnHistory& Steps() const { return documents_.Current().history; }
    static std::string WhatOf(const std::vector<UndoStep>& steps) {
        return steps.empty() ? std::string{} : steps.back().what;
    }

    Documents& documents_;
    TurnEvents& events_;
    bool applying_ = false;
    bool held_ = false;
};

} // namespace dered
