#include "turns/EarlierTurns.h"

#include "files/ReportReader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace dered {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kReportPrefix = "plyrdata.";
// A folder of turns holds a few dozen; a parent with more is not one and is not searched whole.
constexpr size_t kMaxFolders = 400;

bool IsReportName(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.size() > kReportPrefix.size() && name.starts_with(kReportPrefix);
}

// The report's folder first, then the other folders beside it, by name.
std::vector<fs::path> FoldersToSearch(const fs::path& own) {
    std::vector<fs::path> folders{own};
    std::error_code ec;
    const fs::path parent = own.parent_path();
    if (parent.empty() || parent == own) {
        return folders;
    }
    std::vector<fs::path> siblings;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !typeError && it->path() != own) {
            siblings.push_back(it->path());
            if (siblings.size() >= kMaxFolders) {
                break;
            }
        }
    }
    std::sort(siblings.begin(), siblings.end());
    folders.insert(folders.end(), siblings.begin(), siblings.end());
    return folders;
}

std::vector<fs::path> ReportsIn(const fs::path& folder) {
    std::vector<fs::path> reports;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsReportName(it->path())) {
            reports.push_back(it->path());
        }
    }
    std::sort(reports.begin(), reports.end());
    return reports;
}

fs::path Canonical(const std::string& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path(path).lexically_normal() : canonical;
}

GameState EmptiedCopy(const GameState& open) {
    GameState copy = open;
    copy.Orders = {};
    copy.OrderCount = 0;
    for (AreaRecord& area : copy.Areas) {
        area.Command.clear();
        area.Parm1 = 0;
        area.Parm2 = 0;
    }
    copy.PendingCommand = MapCommand::None;
    copy.SelectedArea = 0;
    copy.SupportedPlayer = 0;
    return copy;
}

} // namespace

std::string ReadEarlierTurn(const GameState& open, const std::string& path, GameState& earlier) {
    GameState scratch = EmptiedCopy(open);
    ReportRefusal refusal;
    if (ReadReportQuietly(scratch, path, refusal) != ReportOutcome::Read) {
        return refusal.text;
    }
    if (scratch.GameId != open.GameId || scratch.OwnPlayer != open.OwnPlayer) {
        return "it is a report of game " + scratch.GameId + " for player " +
               std::to_string(scratch.OwnPlayer) + ", not of game " + open.GameId + " for player " +
               std::to_string(open.OwnPlayer);
    }
    earlier = std::move(scratch);
    return {};
}

std::vector<std::string> ReportsBeside(const std::string& openReportPath) {
    std::vector<std::string> paths;
    for (const fs::path& folder : FoldersToSearch(Canonical(openReportPath).parent_path())) {
        for (const fs::path& report : ReportsIn(folder)) {
            paths.push_back(report.string());
        }
    }
    return paths;
}

bool SameFile(const std::string& a, const std::string& b) {
    return Canonical(a) == Canonical(b);
}

TurnList FindTurns(const GameState& open, const std::string& openReportPath) {
    TurnList list;
    for (const std::string& path : ReportsBeside(openReportPath)) {
        if (SameFile(path, openReportPath)) {
            list.turns.push_back({open.GameYear, open.GameTurn, path, true});
            continue;
        }
        GameState scratch = EmptiedCopy(open);
        ReportRefusal refusal;
        if (ReadReportQuietly(scratch, path, refusal) != ReportOutcome::Read) {
            list.unreadable.push_back({path, refusal.text});
        } else if (scratch.GameId == open.GameId && scratch.OwnPlayer == open.OwnPlayer) {
            list.turns.push_back({scratch.GameYear, scratch.GameTurn, path, false});
        }
    }
    std::stable_sort(list.turns.begin(), list.turns.end(),
                     [](const TurnFound& a, const TurnFound& b) {
                         return std::tie(a.year, a.turn) < std::tie(b.year, b.turn);
                     });
    return list;
}

} // namespace dered
