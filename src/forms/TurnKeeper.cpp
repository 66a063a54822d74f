#include "forms/TurnKeeper.h"
#include "ui/Notice.h"

#include "files/FileCommit.h"
#include "files/OrdersFile.h"
#include "files/RecoveryFile.h"

namespace dered {

void TurnKeeper::MarkSaved() {
    Turn().savedOrders = FormatOrders(Game()).ordersTmp;
    Turn().keptOrders = Turn().savedOrders;
}

bool TurnKeeper::Unsaved() const {
    return HasTurn() && FormatOrders(Game()).ordersTmp != Turn().savedOrders;
}

TurnClaim TurnKeeper::Claim(const GameState& fresh) {
    const std::string holder = lock_.Take(fresh, recoveryDir_);
    if (holder.empty()) {
        heldElsewhere_ = false;
        if (lock_.Holds(fresh, recoveryDir_)) {
            RemoveLeftTemporaries({fresh.ReportDir + std::string(kOrdersTmpFileName),
                                   fresh.ReportDir + std::string(kCommandsFileName),
                                   RecoveryPath(fresh, recoveryDir_)},
                                  disk_);
        }
        return TurnClaim::Held;
    }
    const std::string text = "This turn (" + fresh.GameId + ", player " +
                             std::to_string(fresh.OwnPlayer) + ", " +
                             std::to_string(fresh.GameYear) + "." + std::to_string(fresh.GameTurn) +
                             ") is open in " + holder +
                             ". Only that program can enter and save its orders. Open it here "
                             "read-only?";
    if (platform_.Ask({"locked", text, {Answer::Yes, Answer::No}, Answer::No}) != Answer::Yes) {
        return TurnClaim::Refused;
    }
    lock_.Release();
    heldElsewhere_ = true;
    return TurnClaim::ReadOnly;
}

void TurnKeeper::KeepChange() {
    if (!Keeps()) {
        return;
    }
    std::string text = FormatOrders(Game()).ordersTmp;
    if (text == Turn().keptOrders) {
        return;
    }
    // The text compared is the text written: the turn is formatted once a change.
    const std::string problem = WriteRecovery(Game(), text, recoveryDir_, disk_);
    if (!problem.empty()) {
        // Said once a turn: order entry goes on without the safety net.
        if (!recoveryFailed_) {
            platform_.MsgBox(problem, MsgIcon::Exclamation);
        }
        recoveryFailed_ = true;
        return;
    }
    Turn().keptOrders = std::move(text);
}

void TurnKeeper::ForgetRecovery() {
    if (Keeps()) {
        RemoveRecovery(Game(), recoveryDir_);
    }
}

void TurnKeeper::OfferRecovery(GameState& game) {
    recoveryFailed_ = false;
    // The holder's recovery file holds its live orders, not orders left by a crash.
    if (recoveryDir_.empty() || heldElsewhere_ || !RecoveryIsNewer(game, recoveryDir_)) {
        return;
    }
    const Question question{"recover",
                            "Orders of this turn were entered after the last save and not saved. "
                            "Restore them?",
                            {Answer::Yes, Answer::No},
                            Answer::No};
    if (platform_.Ask(question) != Answer::Yes) {
        return;
    }
    // Restored orders are unsaved until the next save; the recovery file stays until then.
    Notices said;
    const bool restored = RestoreOrders(game, said, RecoveryPath(game, recoveryDir_));
    ShowNotices(platform_, said);
    if (restored) {
        Turn().keptOrders = FormatOrders(Game()).ordersTmp;
    }
}

Answer TurnKeeper::AskToSave() {
    if (!Unsaved()) {
        return Answer::Discard;
    }
    return platform_.Ask({"unsaved",
                          kSaveQuestion,
                          {Answer::Save, Answer::Discard, Answer::Cancel},
                          Answer::Discard});
}

} // namespace dered
