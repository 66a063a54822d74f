#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace dered {

// A lock on a file; the operating system lets it go when this is destroyed or the program
// ends, however it ends.
class FileLock {
  public:
    virtual ~FileLock() = default;
};

struct LockAttempt {
    std::unique_ptr<FileLock> lock; // null when not taken
    bool heldElsewhere = false;     // not taken because another program holds it
    std::string holderNote;         // what that program wrote in the file
};

// What keeping files safe needs from the operating system and the standard library lacks:
// flushing to the device, second names, locks, and which programs run. Each step returns ""
// on success or the reason it failed. The drivers hand in the machine's own; tests stand a
// disk that fails a chosen step in its place.
class Disk {
  public:
    virtual ~Disk() = default;
    // Creates path afresh (an existing file of that name is an error) and writes text to it.
    [[nodiscard]] virtual std::string Write(const std::string& path, std::string_view text) = 0;
    // Waits until what was written to the file, or to the folder's list of names, is on the
    // device, so that a power cut after it loses nothing.
    [[nodiscard]] virtual std::string SyncFile(const std::string& path) = 0;
    [[nodiscard]] virtual std::string SyncFolder(const std::string& folder) = 0;
    // Replaces to by from in one step.
    [[nodiscard]] virtual std::string Rename(const std::string& from, const std::string& to) = 0;
    // A second name for the file, so that the old contents outlive a rename over the first.
    [[nodiscard]] virtual std::string Link(const std::string& existing,
                                           const std::string& second) = 0;
    virtual void Remove(const std::string& path) = 0;

    // Locks path, created when missing, without waiting, and writes note in it for whoever
    // finds it held. Neither taken nor held elsewhere: the file cannot hold a lock.
    [[nodiscard]] virtual LockAttempt Lock(const std::string& path, std::string_view note) = 0;
    // This program's process number, the machine's name, and whether a process runs here.
    virtual long ProcessId() = 0;
    virtual std::string MachineName() = 0;
    virtual bool ProcessRuns(long process) = 0;
};

} // namespace dered
