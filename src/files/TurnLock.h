#pragma once

#include "files/Disk.h"
#include "state/GameState.h"

#include <memory>
#include <string>

namespace dered {

// One program per turn: the lock of a game, player, year and turn, kept as a file beside the
// turn's recovery file. The operating system lets it go when the program ends, however it ends,
// so a lock left by a program that died is simply taken.
class TurnLock {
  public:
    explicit TurnLock(Disk& disk) : disk_(disk) {}

    // Takes the lock of the game's turn in folder, keeping a lock of that turn already held.
    // Empty when this program holds it now (or when folder is empty or cannot hold a lock, so
    // that nothing is barred for want of a place), else which program holds it.
    [[nodiscard]] std::string Take(const GameState& game, const std::string& folder);
    void Release();
    bool Holds(const GameState& game, const std::string& folder) const;

  private:
    // What the lock file tells a second program: who holds the turn, and since when.
    std::string HolderNote() const;

    Disk& disk_;
    std::unique_ptr<FileLock> lock_;
    std::string path_;
};

// The lock file of the turn in folder.
std::string TurnLockPath(const GameState& game, const std::string& folder);

} // namespace dered
