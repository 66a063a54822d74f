#include "platform/SystemDisk.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

namespace dered {

namespace {

std::string ErrorText(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

// A descriptor closed on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    // Closes now, so that a failure to write back is seen.
    bool Close() {
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

  private:
    int fd_;
};

std::string Sync(const std::string& path, int flags) {
    Descriptor file(::open(path.c_str(), flags | O_CLOEXEC));
    if (file.get() < 0) {
        return ErrorText(errno);
    }
    if (::fsync(file.get()) != 0) {
        return ErrorText(errno);
    }
    return {};
}

// Held while the descriptor stays open.
class HeldLock : public FileLock {
  public:
    explicit HeldLock(int fd) : fd_(fd) {}
    ~HeldLock() override { ::close(fd_); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

  private:
    int fd_;
};

std::string ReadNote(int fd) {
    std::string text(200, '\0');
    const ssize_t got = ::pread(fd, text.data(), text.size(), 0);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

} // namespace

std::string SystemDisk::Write(const std::string& path, std::string_view text) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        return ErrorText(errno);
    }
    while (!text.empty()) {
        const ssize_t done = ::write(file.get(), text.data(), text.size());
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return ErrorText(done < 0 ? errno : ENOSPC);
        }
        text.remove_prefix(static_cast<size_t>(done));
    }
    return file.Close() ? std::string() : ErrorText(errno);
}

std::string SystemDisk::SyncFile(const std::string& path) {
    return Sync(path, O_RDONLY);
}

std::string SystemDisk::SyncFolder(const std::string& folder) {
    return Sync(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY);
}

std::string SystemDisk::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? std::string() : ErrorText(errno);
}

std::string SystemDisk::Link(const std::string& existing, const std::string& second) {
    return ::link(existing.c_str(), second.c_str()) == 0 ? std::string() : ErrorText(errno);
}

void SystemDisk::Remove(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

LockAttempt SystemDisk::Lock(const std::string& path, std::string_view note) {
    Descriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        return {};
    }
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            return {};
        }
        return {nullptr, true, ReadNote(file.get())};
    }
    if (::ftruncate(file.get(), 0) == 0) {
        (void)!::pwrite(file.get(), note.data(), note.size(), 0);
    }
    return {std::make_unique<HeldLock>(file.release()), false, {}};
}

long SystemDisk::ProcessId() {
    return ::getpid();
}

std::string SystemDisk::MachineName() {
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? std::string(name)
                                                     : std::string("this machine");
}

// A process of another user still runs, though it may not be signalled.
bool SystemDisk::ProcessRuns(long process) {
    if (process <= 0 || process > std::numeric_limits<pid_t>::max()) {
        return false;
    }
    return (::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM);
}

} // namespace dered
