#pragma once

#include "state/GameState.h"
#include "state/TurnHistory.h"

#include <memory>
#include <string>

namespace dered {

// Whether a turn on screen takes orders here.
enum class TurnAccess {
    Current,       // the open turn, held by this program
    HeldElsewhere, // the open turn, held by another program: looked at only
    Earlier,       // an earlier turn of the game: looked at only
};

inline constexpr const char* kReadOnlyTurn =
    "This earlier turn is shown read-only: orders are entered on the current turn "
    "(View > Turns, Back to the current turn)";
inline constexpr const char* kHeldElsewhereTurn =
    "This turn is open in another program and shown here read-only: orders are entered there";

// One report's turn: its records, whether it takes orders here, the steps to undo, and the
// orders as last saved and as last kept against a crash.
struct TurnDocument {
    GameState records;
    TurnAccess access = TurnAccess::Current;
    TurnHistory history;
    std::string savedOrders; // the orders.tmp text of the orders saved or read
    std::string keptOrders;  // the text last written to the recovery file

    bool ReadOnly() const { return access != TurnAccess::Current; }
    // Why no order can be entered; empty when they can.
    const char* WhyReadOnly() const;
};

// The open turn's document and, while one is looked at, an earlier turn's. Each report opened
// is a new document, so nothing of the last one can reach it; an earlier turn is shown beside
// the current one, never in its place. The map's geography is handed from one document to the
// next (FreshTurn).
class Documents {
  public:
    Documents();

    // The turn on screen: the earlier one while it is shown, else the current one.
    TurnDocument& Shown() { return earlier_ ? *earlier_ : *current_; }
    const TurnDocument& Shown() const { return earlier_ ? *earlier_ : *current_; }
    // The open turn, whatever is on screen: the one orders are saved and kept from.
    TurnDocument& Current() { return *current_; }
    const TurnDocument& Current() const { return *current_; }
    bool ShowsEarlier() const { return earlier_ != nullptr; }

    // The report read into `records` becomes the open turn; an earlier turn shown goes.
    void Open(GameState records, TurnAccess access);
    void ShowEarlier(GameState records);
    void ShowCurrent() { earlier_.reset(); }

  private:
    std::unique_ptr<TurnDocument> current_;
    std::unique_ptr<TurnDocument> earlier_;
};

} // namespace dered
