#pragma once

#include "state/GameState.h"
#include "ui/Platform.h"

#include <string>

namespace dered {

inline constexpr std::string_view kSaveQuestion = "Save the orders of this turn?";

// Knows whether the turn's orders were changed since they were last saved or read, and keeps
// each change in the recovery file so that a crash loses none of them.
class TurnKeeper {
  public:
    TurnKeeper(const GameState& game, Platform& platform, const std::string& recoveryDir)
        : game_(game), platform_(platform), recoveryDir_(recoveryDir) {}

    // The orders as they now are count as saved: after a save, or read with the report.
    void MarkSaved();
    bool Unsaved() const;
    // Writes the recovery file when the orders differ from those last kept there.
    void KeepChange();
    // After a save: the recovery file has served its purpose.
    void ForgetRecovery();
    // After a report was read: a recovery file newer than its saved orders is offered back.
    void OfferRecovery(GameState& game);
    // Asks "Save the orders of this turn?" when there are unsaved orders.
    Answer AskToSave();

  private:
    bool HasTurn() const { return !game_.GameId.empty(); }

    const GameState& game_;
    Platform& platform_;
    const std::string& recoveryDir_;
    std::string saved_; // the orders.tmp text of the orders saved or read
    std::string kept_;  // the text last written to the recovery file
    bool recoveryFailed_ = false;
};

} // namespace dered
