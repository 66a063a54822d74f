#pragma once

#include "platform/SystemDisk.h"

#include <map>

namespace dered::test {

// The machine's disk, but the n-th write, flush, rename or link fails (counted from 1 per
// kind of step); 0 fails none. Counts every step it is asked for.
class FaultyDisk : public Disk {
  public:
    enum class Step { Write, Sync, Rename, Link };

    FaultyDisk(Step step = Step::Write, int failing = 0) : step_(step), failing_(failing) {}

    std::string Write(const std::string& path, std::string_view text) override {
        return Fails(Step::Write) ? kFault : real_.Write(path, text);
    }
    std::string SyncFile(const std::string& path) override {
        return Fails(Step::Sync) ? kFault : real_.SyncFile(path);
    }
    std::string SyncFolder(const std::string& folder) override {
        return Fails(Step::Sync) ? kFault : real_.SyncFolder(folder);
    }
    std::string Rename(const std::string& from, const std::string& to) override {
        return Fails(Step::Rename) ? kFault : real_.Rename(from, to);
    }
    std::string Link(const std::string& existing, const std::string& second) override {
        return Fails(Step::Link) ? kFault : real_.Link(existing, second);
    }
    void Remove(const std::string& path) override { real_.Remove(path); }
    LockAttempt Lock(const std::string& path, std::string_view note) override {
        return real_.Lock(path, note);
    }
    long ProcessId() override { return real_.ProcessId(); }
    std::string MachineName() override { return real_.MachineName(); }
    bool ProcessRuns(long process) override { return real_.ProcessRuns(process); }

    int Count(Step step) const {
        const auto it = counts_.find(step);
        return it == counts_.end() ? 0 : it->second;
    }

    static constexpr const char* kFault = "Input/output error";

  private:
    bool Fails(Step step) { return ++counts_[step] == failing_ && step == step_; }

    SystemDisk real_;
    Step step_;
    int failing_;
    std::map<Step, int> counts_;
};

} // namespace dered::test
