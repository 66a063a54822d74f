#include "files/TurnLock.h"

#include "files/RecoveryFile.h"

#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace dered {

namespace {

constexpr std::string_view kRecoveryEnd = ".orders";

} // namespace

std::string TurnLockPath(const GameState& game, const std::string& folder) {
    std::string path = RecoveryPath(game, folder);
    return path.substr(0, path.size() - kRecoveryEnd.size()) + ".lock";
}

bool TurnLock::Holds(const GameState& game, const std::string& folder) const {
    return lock_ != nullptr && path_ == TurnLockPath(game, folder);
}

std::string TurnLock::Take(const GameState& game, const std::string& folder) {
    if (folder.empty() || Holds(game, folder)) {
        return {};
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string path = TurnLockPath(game, folder);
    LockAttempt attempt = disk_.Lock(path, HolderNote());
    if (attempt.heldElsewhere) {
        return attempt.holderNote.empty() ? std::string("another program")
                                          : "another program (" + attempt.holderNote + ")";
    }
    if (attempt.lock != nullptr) {
        lock_ = std::move(attempt.lock);
        path_ = path;
    }
    return {};
}

std::string TurnLock::HolderNote() const {
    const std::time_t now = std::time(nullptr);
    char since[32] = {};
    std::strftime(since, sizeof since, "%Y-%m-%d %H:%M", std::localtime(&now));
    return "process " + std::to_string(disk_.ProcessId()) + " on " + disk_.MachineName() +
           ", since " + since;
}

// The file stays: removing it could let a third program lock a name another is about to open.
void TurnLock::Release() {
    lock_.reset();
    path_.clear();
}

} // namespace dered
