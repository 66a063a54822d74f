#pragma once

#include "orders/Outcome.h"
#include "orders/Turn.h"
#include "state/Records.h"
#include "support/GameFixture.h"

#include <vector>

namespace dered::test {

struct TurnStorage {
    RecordingPlatform platform;
    Records records;
    GameState game;
    TurnEvents events;
    Turn turn{game, events};
    std::vector<TurnChange> changes;
    int subscription = events.Subscribe([this](const TurnChange& c) { changes.push_back(c); });
};

// The order rules on their own: the records, a recording platform and the recorded changes.
class TurnFixture : public GameFixture<TurnStorage> {
  protected:
    using Changes = std::vector<TurnChange>;
    // The one change a rule raises: the area whose order it wrote, and free supply if charged.
    static TurnChange Stored(int16_t area, bool charged = false) { return {{area}, charged}; }
    static TurnChange SupplyChanged() { return {{}, true}; }

    // Shows what a rule gave back as a window would, so that the tests read it as messages.
    Ending Said(const Outcome& outcome) {
        ShowNotices(platform, outcome.notices);
        return outcome.ending;
    }

    // The changes raised since the last call.
    Changes TakeChanges() { return std::exchange(changes, {}); }
};

} // namespace dered::test
