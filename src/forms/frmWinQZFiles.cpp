// The main window's file commands: open, merge, save, exit and saving the hex map.
#include "forms/frmWinQZ.h"

#include "app/Program.h"
#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/ReportReader.h"
#include "files/Settings.h"

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
    const OpenFileResult chosen = program_.platform.ShowOpenDialog(ReportDialog());
    if (chosen.fileName.empty()) {
        return false;
    }
    program_.platform.SetPointer(Pointer::Hourglass);
    program_.records.game.ReportDir = SplitReportPath(chosen.fullPath).first;
    fileName = chosen.fileName;
    return true;
}

// Reads a report and, whatever came of it, the map files and the grid, and shows the map.
void frmWinQZ::OpenReport(const std::string& fileName) {
    GameState& game = program_.records.game;
    if (ReadReport(game, program_.platform, game.ReportDir, fileName) == ReportOutcome::Read) {
        mnuVictoryConditions.SetEnabled(VictoryConditionsAllowed(game));
        caption.SetText(GameTitle(game));
    }
    const bool mapLoaded = LoadMap();
    program_.RefreshAll();
    if (mapLoaded) {
        ShowMapAfresh();
    }
}

bool frmWinQZ::LoadMap() {
    const std::string problem = LoadMapFiles(program_.records.game, program_.records.hexMap,
                                             program_.records.game.ProgramDir);
    if (!problem.empty()) {
        program_.platform.MsgBox(problem, MsgIcon::Critical);
        return false;
    }
    MapShown = true;
    return true;
}

// The map window is rebuilt from the tables as they now are.
void frmWinQZ::ShowMapAfresh() {
    program_.forms.Unload(program_.map);
    program_.forms.Show(program_.map, Modality::Modeless);
}

void frmWinQZ::mnuOpen_Click() {
    std::string fileName;
    if (!ChooseReport(fileName)) {
        return;
    }
    OpenReport(fileName);
    mnuOpen.SetEnabled(false);
    program_.platform.SetPointer(Pointer::Default);
}

void frmWinQZ::mnuMerge_Click() {
    std::string fileName;
    if (!ChooseReport(fileName)) {
        return;
    }
    GameState& game = program_.records.game;
    MergeReport(game, program_.platform, game.ReportDir, fileName);
    mnuOpen.SetEnabled(false);
    program_.RefreshAll();
    if (MapShown) {
        ShowMapAfresh();
    }
    program_.platform.SetPointer(Pointer::Default);
}

void frmWinQZ::mnuSave_Click() {
    const GameState& game = program_.records.game;
    const auto targets = dered::SpyTargets(game);
    std::copy(targets.begin(), targets.end(), SpyTargets.begin() + 1);
    const std::string problem = WriteOrdersFiles(game);
    if (!problem.empty()) {
        program_.platform.MsgBox(problem, MsgIcon::Critical);
    }
}

void frmWinQZ::mnuExit_Click() {
    SaveSettings(program_.records.settings, program_.ini);
    program_.forms.Unload(program_.map);
    program_.platform.EndProgram();
}

void frmWinQZ::mnuSaveHexData_Click() {
    const std::string& programDir = program_.records.game.ProgramDir;
    OpenFileRequest request;
    request.filter = "QZ Data (*.dat)|*.dat|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "DAT";
    request.initialDir = programDir;
    request.fileName = programDir + "map-hex.dat";
    request.mustExist = false;
    const OpenFileResult chosen = program_.platform.ShowOpenDialog(request);
    if (chosen.fileName.empty()) {
        return;
    }
    program_.platform.SetPointer(Pointer::Hourglass);
    const std::string problem = SaveHexData(program_.records.hexMap, chosen.fullPath);
    program_.platform.SetPointer(Pointer::Default);
    if (!problem.empty()) {
        program_.platform.MsgBox(problem, MsgIcon::Critical);
    }
}

} // namespace dered
