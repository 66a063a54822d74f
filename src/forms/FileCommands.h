#pragma once

#include "files/RecentReports.h"
#include "forms/ProgramOptions.h"
#include "forms/TurnKeeper.h"
#include "state/Records.h"
#include "state/TurnEvents.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

#include <optional>
#include <string>
#include <vector>

namespace dered {

class IniService;
class frmWinQZ;
struct MainWindows;

// The main window's file commands: open, merge and save a turn, the recent reports, exit, and
// saving the hex map. They keep the turn's files: its lock, its recovery file, whether its
// orders were saved.
class FileCommands {
  public:
    FileCommands(frmWinQZ& main, Records& records, Platform& platform, FormManager& forms,
                 IniService& ini, Disk& disk, const ProgramOptions& options, TurnEvents& events,
                 MainWindows& windows);

    void Open();
    void Merge();
    // False when the orders could not be saved, or the turn takes none.
    bool Save();
    void Exit();
    void SaveHexData();
    // The n-th (1-based) of the recent reports, opened as "&Open" would open it.
    void OpenRecent(int n);
    // A report file dropped on the main or map window: opened, or merged.
    void Drop(const std::string& path, bool merge);
    // Reads a report, then the map files and the grid, and shows the map. A report refused
    // while a turn is on screen changes nothing; before any turn, the map still shows.
    bool OpenReport(const std::string& folder, const std::string& fileName);
    // Reads the map files; false, said, when they cannot be read.
    bool LoadMap();
    // The map window rebuilt from the tables as they now are.
    void ShowMapAfresh();
    // The recent reports as the settings file keeps them.
    void ReadRecentReports();
    // The recent reports in the File menu, enabled as "&Open" is.
    void ShowRecentReports();

    TurnKeeper& Keeper() { return keeper_; }
    const TurnKeeper& Keeper() const { return keeper_; }
    const std::vector<RecentReport>& RecentReports() const { return recent_; }
    const std::string& OpenReportPath() const { return openReportPath_; }

  private:
    using ChosenReport = void (FileCommands::*)(const std::string& folder,
                                                const std::string& fileName);
    void ChooseReport(const std::string& title, ChosenReport chosenReport);
    std::optional<GameState> CheckReport(const std::string& folder, const std::string& fileName);
    bool OpenCheckedReport(std::optional<GameState> fresh, const std::string& folder,
                           const std::string& fileName);
    bool TakeTurn(GameState fresh, const std::string& folder, const std::string& fileName);
    void OpenChosenReport(const std::string& folder, const std::string& fileName);
    void MergeChosenReport(const std::string& folder, const std::string& fileName);
    bool SettleUnsavedOrders();
    void NoteOpenedReport(const std::string& folder, const std::string& fileName);
    std::string LastReportFolder() const;
    void RememberWindowPlaces();

    // The turn on screen.
    GameState& Game() const { return records_.documents.Shown().records; }

    frmWinQZ& main_;
    Records& records_;
    Platform& platform_;
    FormManager& forms_;
    IniService& ini_;
    Disk& disk_;
    const ProgramOptions& options_; // the batch driver's "start" sets the command line late
    TurnEvents& events_;
    MainWindows& windows_;
    TurnKeeper keeper_;
    std::vector<RecentReport> recent_;
    std::string openReportPath_;
};

} // namespace dered
