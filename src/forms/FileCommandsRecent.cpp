// The main window's list of the last reports opened, kept in the settings file.
#include "forms/FileCommands.h"

#include "forms/frmWinQZ.h"

#include "files/RecentReports.h"
#include "files/ReportReader.h"

#include <filesystem>
#include <system_error>

namespace dered {

namespace {

std::string RecentTitle(const GameState& game) {
    std::string title = game.GameId;
    if (game.OwnPlayer >= 0 && game.OwnPlayer <= MaxPlayer &&
        !game.Players[game.OwnPlayer].Name.empty()) {
        title += " " + game.Players[game.OwnPlayer].Name;
    }
    return title + ", " + std::to_string(game.GameYear) + " turn " + std::to_string(game.GameTurn);
}

// The list keeps whole paths, so that it holds wherever the program is started from.
std::string WholePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    return ec ? path : whole.lexically_normal().string();
}

} // namespace

void FileCommands::NoteOpenedReport(const std::string& folder, const std::string& fileName) {
    openReportPath_ = WholePath(folder + fileName);
    NoteRecentReport(recent_, {openReportPath_, RecentTitle(Game())});
    // The list is a convenience: a settings file that cannot be written costs no turn.
    (void)SaveRecentReports(recent_, ini_);
    ShowRecentReports();
}

void FileCommands::ReadRecentReports() {
    recent_ = LoadRecentReports(ini_);
}

// Chosen like "&Open", so only while it is enabled.
void FileCommands::ShowRecentReports() {
    for (size_t i = 0; i < main_.mnuRecentReport.size(); ++i) {
        MenuItemModel& item = main_.mnuRecentReport[i];
        item.SetVisible(i < recent_.size());
        std::string caption;
        if (i < recent_.size()) {
            caption.append("&").append(std::to_string(i + 1)).append(" ").append(recent_[i].title);
        }
        item.SetCaption(caption);
        item.SetEnabled(main_.mnuOpen.Enabled(), main_.mnuOpen.WhyDisabled());
    }
}

std::string FileCommands::LastReportFolder() const {
    return recent_.empty() ? std::string() : SplitReportPath(recent_.front().path).first;
}

void FileCommands::OpenRecent(int n) {
    if (n < 1 || n > static_cast<int>(recent_.size()) || !main_.mnuOpen.Enabled()) {
        return;
    }
    const std::string path = recent_[static_cast<size_t>(n - 1)].path;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        platform_.MsgBox("The report " + path +
                             " is no longer there; it is taken off the recent reports.",
                         MsgIcon::Exclamation);
        recent_.erase(recent_.begin() + (n - 1));
        (void)SaveRecentReports(recent_, ini_);
        ShowRecentReports();
        return;
    }
    const auto [folder, fileName] = SplitReportPath(path);
    OpenChosenReport(folder, fileName);
}

} // namespace dered
