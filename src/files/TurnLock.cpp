#include "files/TurnLock.h"

#include "files/RecoveryFile.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace dered {

namespace {

constexpr std::string_view kRecoveryEnd = ".orders";

std::string HostName() {
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? std::string(name)
                                                   : std::string("this machine");
}

// What the lock file tells a second program: who holds the turn, and since when.
std::string HolderText() {
    const std::time_t now = std::time(nullptr);
    char since[32] = {};
    std::strftime(since, sizeof since, "%Y-%m-%d %H:%M", std::localtime(&now));
    return "process " + std::to_string(getpid()) + " on " + HostName() + ", since " + since;
}

std::string ReadHolder(int fd) {
    std::string text(200, '\0');
    const ssize_t got = pread(fd, text.data(), text.size(), 0);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text.empty() ? std::string("another program") : "another program (" + text + ")";
}

} // namespace

std::string TurnLockPath(const GameState& game, const std::string& folder) {
    std::string path = RecoveryPath(game, folder);
    return path.substr(0, path.size() - kRecoveryEnd.size()) + ".lock";
}

TurnLock::~TurnLock() {
    Release();
}

TurnLock::TurnLock(TurnLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

TurnLock& TurnLock::operator=(TurnLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

bool TurnLock::Holds(const GameState& game, const std::string& folder) const {
    return fd_ >= 0 && path_ == TurnLockPath(game, folder);
}

std::string TurnLock::Take(const GameState& game, const std::string& folder) {
    if (folder.empty() || Holds(game, folder)) {
        return {};
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string path = TurnLockPath(game, folder);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {};
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        std::string holder = errno == EWOULDBLOCK ? ReadHolder(fd) : std::string();
        close(fd);
        return holder;
    }
    Release();
    fd_ = fd;
    path_ = path;
    const std::string holder = HolderText();
    if (ftruncate(fd_, 0) == 0) {
        (void)!pwrite(fd_, holder.data(), holder.size(), 0);
    }
    return {};
}

// The file stays: removing it could let a third program lock a name another is about to open.
void TurnLock::Release() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
        path_.clear();
    }
}

} // namespace dered
