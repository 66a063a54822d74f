// The main window's file commands: open, merge, save, exit and saving the hex map.
#include "forms/frmWinQZ.h"

#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "files/Settings.h"
#include "forms/frmMap.h"

#include <algorithm>

namespace dered {

namespace {

OpenFileRequest ReportDialog() {
    OpenFileRequest request;
    request.filter = "QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "CMD";
    request.fileName = "plyrdata.*";
    return request;
}

} // namespace

// Shows the report dialog; on a choice, sets ReportDir to the report's folder.
bool frmWinQZ::ChooseReport(std::string& fileName) {
    const OpenFileResult chosen = platform_.ShowOpenDialog(ReportDialog());
    if (chosen.fileName.empty()) {
        return false;
    }
    platform_.SetPointer(Pointer::Hourglass);
    records_.game.ReportDir = SplitReportPath(chosen.fullPath).first;
    fileName = chosen.fileName;
    return true;
}

// Reads a report and, whatever came of it, the map files and the grid, and shows the map.
void frmWinQZ::OpenReport(const std::string& fileName) {
    GameState& game = records_.game;
    if (ReadReport(game, platform_, game.ReportDir, fileName) == ReportOutcome::Read) {
        mnuVictoryConditions.SetEnabled(VictoryConditionsAllowed(game));
        caption.SetText(GameTitle(game));
    }
    const bool mapLoaded = LoadMap();
    RefreshAll();
    if (mapLoaded) {
        ShowMapAfresh();
    }
}

bool frmWinQZ::LoadMap() {
    const std::string problem =
        LoadMapFiles(records_.game, records_.hexMap, records_.game.ProgramDir);
    if (!problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Critical);
        return false;
    }
    MapShown = true;
    return true;
}

// The map window is rebuilt from the tables as they now are.
void frmWinQZ::ShowMapAfresh() {
    forms_.Unload(windows_.map);
    forms_.Show(windows_.map, Modality::Modeless);
}

void frmWinQZ::mnuOpen_Click() {
    std::string fileName;
    if (!ChooseReport(fileName)) {
        return;
    }
    OpenReport(fileName);
    mnuOpen.SetEnabled(false);
    platform_.SetPointer(Pointer::Default);
}

void frmWinQZ::mnuMerge_Click() {
    std::string fileName;
    if (!ChooseReport(fileName)) {
        return;
    }
    GameState& game = records_.game;
    MergeReport(game, platform_, game.ReportDir, fileName);
    mnuOpen.SetEnabled(false);
    RefreshAll();
    if (MapShown) {
        ShowMapAfresh();
    }
    platform_.SetPointer(Pointer::Default);
}

void frmWinQZ::mnuSave_Click() {
    const GameState& game = records_.game;
    const auto targets = dered::SpyTargets(game);
    std::copy(targets.begin(), targets.end(), SpyTargets.begin() + 1);
    const std::string problem = WriteOrdersFiles(game);
    if (!problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Critical);
    }
}

void frmWinQZ::mnuExit_Click() {
    SaveSettings(records_.settings, ini_);
    forms_.Unload(windows_.map);
    platform_.EndProgram();
}

void frmWinQZ::mnuSaveHexData_Click() {
    const std::string& programDir = records_.game.ProgramDir;
    OpenFileRequest request;
    request.filter = "QZ Data (*.dat)|*.dat|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "DAT";
    request.initialDir = programDir;
    request.fileName = programDir + "map-hex.dat";
    request.mustExist = false;
    const OpenFileResult chosen = platform_.ShowOpenDialog(request);
    if (chosen.fileName.empty()) {
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    const std::string problem = SaveHexData(records_.hexMap, chosen.fullPath);
    platform_.SetPointer(Pointer::Default);
    if (!problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Critical);
    }
}

} // namespace dered
