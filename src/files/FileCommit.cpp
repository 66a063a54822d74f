#include "files/FileCommit.h"

#include "files/FileAccess.h"

#include <charconv>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

namespace dered {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNewEnd = ".new";
constexpr std::string_view kOldEnd = ".old";

// Unique to this write: two programs saving at once never share a temporary, and the process
// in the name tells a later program whether the writer is gone.
std::string WriteTag(Disk& disk) {
    std::random_device random;
    std::string tag(1, '.');
    return tag.append(std::to_string(disk.ProcessId()))
        .append("-")
        .append(std::to_string(random()));
}

// The process of a temporary of target named name; 0 when name is no such temporary.
long TemporaryWriter(std::string_view name, std::string_view target) {
    if (name.size() <= target.size() + 1 + kNewEnd.size() || !name.starts_with(target) ||
        name[target.size()] != '.' || !(name.ends_with(kNewEnd) || name.ends_with(kOldEnd))) {
        return 0;
    }
    const std::string_view tag =
        name.substr(target.size() + 1, name.size() - target.size() - 1 - kNewEnd.size());
    long process = 0;
    const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), process);
    const std::string_view rest = tag.substr(static_cast<size_t>(end - tag.data()));
    const bool numbered = rest.size() > 1 && rest[0] == '-' &&
                          rest.find_first_not_of("0123456789", 1) == std::string_view::npos;
    return error == std::errc() && numbered ? process : 0;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

struct Slot {
    const FileToWrite* file;
    std::string temp;
    std::string old; // the old file's second name; empty when there was no old file
    bool replaced = false;
};

class Commit {
  public:
    Commit(const std::vector<FileToWrite>& files, Disk& disk, Flush flush)
        : disk_(disk), flush_(flush) {
        const std::string tag = WriteTag(disk);
        for (const FileToWrite& file : files) {
            slots_.push_back({&file, file.path + tag + std::string(kNewEnd), {}});
        }
    }

    CommitFailure Run() {
        for (Slot& slot : slots_) {
            if (std::string problem = CheckReplaceable(slot.file->path); !problem.empty()) {
                return {slot.file->path, problem};
            }
        }
        for (Slot& slot : slots_) {
            if (CommitFailure failed = WriteTemporary(slot); failed.Failed()) {
                return Undo(failed);
            }
        }
        for (Slot& slot : slots_) {
            if (CommitFailure failed = KeepOld(slot); failed.Failed()) {
                return Undo(failed);
            }
        }
        for (Slot& slot : slots_) {
            if (std::string problem = disk_.Rename(slot.temp, slot.file->path); !problem.empty()) {
                return Undo({slot.file->path, problem});
            }
            slot.replaced = true;
        }
        const std::string folder = fs::path(slots_.front().file->path).parent_path().string();
        if (std::string problem = Sync(folder, &Disk::SyncFolder); !problem.empty()) {
            std::string reason = "its folder could not be flushed to the disk (";
            return Undo({slots_.front().file->path, reason.append(problem).append(")")});
        }
        for (const Slot& slot : slots_) {
            if (!slot.old.empty()) {
                disk_.Remove(slot.old);
            }
        }
        return {};
    }

  private:
    CommitFailure WriteTemporary(const Slot& slot) {
        std::string problem = disk_.Write(slot.temp, slot.file->text);
        if (problem.empty()) {
            problem = Sync(slot.temp, &Disk::SyncFile);
        }
        return {problem.empty() ? "" : slot.file->path, problem};
    }

    // A file system without second names gets a copy instead.
    CommitFailure KeepOld(Slot& slot) {
        if (!Exists(slot.file->path)) {
            return {};
        }
        const std::string old =
            slot.temp.substr(0, slot.temp.size() - kNewEnd.size()) + std::string(kOldEnd);
        if (!disk_.Link(slot.file->path, old).empty()) {
            FileText text = ReadWholeFile(slot.file->path);
            std::string problem = text.Read() ? disk_.Write(old, text.text) : text.reason;
            if (!problem.empty()) {
                disk_.Remove(old);
                std::string reason = "its old contents could not be kept (";
                return {slot.file->path, reason.append(problem).append(")")};
            }
        }
        slot.old = old;
        return {};
    }

    // Every file goes back to what it was; one that cannot says where its old contents are.
    CommitFailure Undo(CommitFailure failure) {
        for (Slot& slot : slots_) {
            if (slot.replaced) {
                std::string problem = slot.old.empty() ? Remove(slot.file->path)
                                                       : disk_.Rename(slot.old, slot.file->path);
                if (!problem.empty()) {
                    failure.reason.append("; ").append(slot.file->path);
                    failure.reason.append(" could not be put back (").append(problem).append(")");
                    if (!slot.old.empty()) {
                        failure.reason.append(", its old contents are in ").append(slot.old);
                    }
                    slot.old.clear();
                }
            }
            disk_.Remove(slot.temp);
            if (!slot.old.empty()) {
                disk_.Remove(slot.old);
            }
        }
        return failure;
    }

    std::string Sync(const std::string& path, std::string (Disk::*sync)(const std::string&)) {
        return flush_ == Flush::ToDevice ? (disk_.*sync)(path) : std::string();
    }

    std::string Remove(const std::string& path) {
        disk_.Remove(path);
        return Exists(path) ? "it could not be removed" : "";
    }

    Disk& disk_;
    Flush flush_;
    std::vector<Slot> slots_;
};

} // namespace

std::string CommitFailure::Message() const {
    std::string message = "Can't write ";
    return message.append(path).append(": ").append(reason);
}

CommitFailure CommitTogether(const std::vector<FileToWrite>& files, Disk& disk, Flush flush) {
    if (files.empty()) {
        return {};
    }
    return Commit(files, disk, flush).Run();
}

void RemoveLeftTemporaries(const std::vector<std::string>& targets, Disk& disk) {
    for (const std::string& target : targets) {
        const fs::path path(target);
        const std::string name = path.filename().string();
        const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const long writer = TemporaryWriter(it->path().filename().string(), name);
            if (writer > 0 && !disk.ProcessRuns(writer)) {
                disk.Remove(it->path().string());
            }
        }
    }
}

} // namespace dered
