#pragma once

#include "files/Disk.h"

namespace dered {

// The machine's own disk, through the POSIX calls the standard library has no equivalent of
// (fsync, link, flock, kill).
class SystemDisk : public Disk {
  public:
    [[nodiscard]] std::string Write(const std::string& path, std::string_view text) override;
    [[nodiscard]] std::string SyncFile(const std::string& path) override;
    [[nodiscard]] std::string SyncFolder(const std::string& folder) override;
    [[nodiscard]] std::string Rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] std::string Link(const std::string& existing, const std::string& second) override;
    void Remove(const std::string& path) override;

    [[nodiscard]] LockAttempt Lock(const std::string& path, std::string_view note) override;
    long ProcessId() override;
    std::string MachineName() override;
    bool ProcessRuns(long process) override;
};

} // namespace dered
