#pragma once

#include "files/Disk.h"

#include <string>
#include <string_view>
#include <vector>

namespace dered {

struct FileToWrite {
    std::string path;
    std::string_view text;
};

// Why a commit failed: the file concerned and the reason. Empty path: it succeeded.
struct CommitFailure {
    std::string path;
    std::string reason;

    bool Failed() const { return !path.empty(); }
    // "Can't write <path>: <reason>"
    std::string Message() const;
};

// Whether a commit waits until the files are on the device. The recovery file, written at every
// change of the orders, only has to outlive the program, not the machine.
enum class Flush { ToDevice, Later };

// Replaces every file with its text, all of them or none: each is written beside its target
// under a name of this write's own (<target>.<process>-<number>.new) and flushed to the device, the
// old files keep a second name until every rename has succeeded, and a failure puts back those
// already replaced. No temporary is left behind. The files are renamed in the order given, all in
// one folder.
[[nodiscard]] CommitFailure CommitTogether(const std::vector<FileToWrite>& files, Disk& disk,
                                           Flush flush = Flush::ToDevice);

// Removes the temporaries that writes to targets left behind when their program died between
// writing and renaming: those named for a process that no longer runs.
void RemoveLeftTemporaries(const std::vector<std::string>& targets, Disk& disk);

} // namespace dered
