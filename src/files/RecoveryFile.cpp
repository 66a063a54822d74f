#include "files/RecoveryFile.h"

#include "files/FileCommit.h"
#include "files/OrdersFile.h"

#include <filesystem>
#include <system_error>

namespace dered {

namespace fs = std::filesystem;

namespace {

std::string Tidy(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool plain =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        out += plain ? c : '_';
    }
    return out;
}

} // namespace

std::string DefaultRecoveryDir(const std::string& xdgStateHome, const std::string& home) {
    // Relative XDG paths are to be ignored.
    if (!xdgStateHome.empty() && fs::path(xdgStateHome).is_absolute()) {
        return (fs::path(xdgStateHome) / "der-ed").string() + "/";
    }
    if (!home.empty()) {
        return (fs::path(home) / ".local" / "state" / "der-ed").string() + "/";
    }
    return {};
}

std::string RecoveryPath(const GameState& game, const std::string& folder) {
    return folder + Tidy(game.GameId) + "-player" + std::to_string(game.OwnPlayer) + "-" +
           std::to_string(game.GameYear) + "-" + std::to_string(game.GameTurn) + ".orders";
}

std::string WriteRecovery(const GameState& game, const std::string& ordersTmp,
                          const std::string& folder, Disk& disk) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string path = RecoveryPath(game, folder);
    const CommitFailure failure = CommitTogether({{path, ordersTmp}}, disk, Flush::Later);
    return failure.Failed() ? failure.Message() : std::string();
}

void RemoveRecovery(const GameState& game, const std::string& folder) {
    std::error_code ignored;
    fs::remove(RecoveryPath(game, folder), ignored);
}

bool RecoveryIsNewer(const GameState& game, const std::string& folder) {
    std::error_code ec;
    const auto recovered = fs::last_write_time(RecoveryPath(game, folder), ec);
    if (ec) {
        return false;
    }
    const auto saved = fs::last_write_time(game.ReportDir + std::string(kOrdersTmpFileName), ec);
    return ec || recovered > saved;
}

} // namespace dered
