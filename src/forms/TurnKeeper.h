#pragma once

#include "files/TurnLock.h"
#include "state/TurnDocument.h"
#include "ui/Platform.h"

#include <string>

namespace dered {

inline constexpr std::string_view kSaveQuestion = "Save the orders of this turn?";

enum class TurnClaim { Held, ReadOnly, Refused };

// Knows whether the turn's orders were changed since they were last saved or read, and keeps
// each change in the recovery file so that a crash loses none of them.
class TurnKeeper {
  public:
    TurnKeeper(Documents& documents, Platform& platform, Disk& disk, const std::string& recoveryDir)
        : documents_(documents), platform_(platform), disk_(disk), recoveryDir_(recoveryDir) {}

    // Before a turn is opened: takes its lock, or, when another program holds it, asks whether
    // to open it read-only. Refused leaves the lock of the turn open now as it was. Holding it,
    // removes what saves of the turn killed halfway left behind.
    TurnClaim Claim(const GameState& fresh);

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
    bool HasTurn() const { return !Game().GameId.empty(); }
    // Only the program holding the turn writes or removes its recovery file.
    bool Keeps() const { return HasTurn() && !recoveryDir_.empty() && !heldElsewhere_; }

    // The open turn's orders are kept, whatever is on screen.
    const GameState& Game() const { return documents_.Current().records; }
    TurnDocument& Turn() { return documents_.Current(); }
    const TurnDocument& Turn() const { return documents_.Current(); }

    Documents& documents_;
    Platform& platform_;
    Disk& disk_;
    const std::string& recoveryDir_;
    bool recoveryFailed_ = false;
    TurnLock lock_{disk_};
    bool heldElsewhere_ = false;
};

} // namespace dered
