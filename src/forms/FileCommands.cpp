#include "forms/FileCommands.h"

#include "forms/frmWinQZ.h"

#include "files/MapFiles.h"
#include "files/OrdersFile.h"
#include "files/RememberedPlaces.h"
#include "files/ReportReader.h"
#include "files/Settings.h"
#include "forms/frmMap.h"
#include "orders/ListOrders.h"
#include "orders/OrderList.h"
#include "ui/Notice.h"

#include <algorithm>
#include <utility>

namespace dered {

namespace {

OpenFileRequest ReportDialog(const std::string& title) {
    OpenFileRequest request;
    request.title = title;
    request.filter = "QZ Report (plyrdata.*)|plyrdata.*|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "CMD";
    request.fileName = "plyrdata.*";
    return request;
}

} // namespace

FileCommands::FileCommands(frmWinQZ& main, Records& records, Platform& platform, FormManager& forms,
                           IniService& ini, Disk& disk, const ProgramOptions& options,
                           TurnEvents& events, MainWindows& windows)
    : main_(main), records_(records), platform_(platform), forms_(forms), ini_(ini), disk_(disk),
      options_(options), events_(events), windows_(windows),
      keeper_(records.documents, platform, disk, options.recoveryDir) {}

// Shows the report dialog; on a choice, goes on with the report's folder and name.
void FileCommands::ChooseReport(const std::string& title, ChosenReport chosenReport) {
    OpenFileRequest request = ReportDialog(title);
    request.initialDir = LastReportFolder();
    const OpenFileResult chosen = platform_.ShowOpenDialog(request);
    if (!chosen.fileName.empty()) {
        (this->*chosenReport)(SplitReportPath(chosen.fullPath).first, chosen.fileName);
    }
}

// A report is read whole into a fresh turn before anything else happens, so that a refused
// file neither asks nor touches the open turn, and nothing of the open turn reaches the new one.
std::optional<GameState> FileCommands::CheckReport(const std::string& folder,
                                                   const std::string& fileName) {
    GameState fresh = FreshTurn(Game());
    ReportRefusal refusal;
    if (ReadReportQuietly(fresh, folder + fileName, refusal) != ReportOutcome::Read) {
        platform_.MsgBox(refusal.text, refusal.icon);
        return std::nullopt;
    }
    return fresh;
}

// Reads a report, then the map files and the grid, and shows the map. A report refused while
// a turn is on screen changes nothing; before any turn, the map still shows.
bool FileCommands::OpenReport(const std::string& folder, const std::string& fileName) {
    return OpenCheckedReport(CheckReport(folder, fileName), folder, fileName);
}

bool FileCommands::OpenCheckedReport(std::optional<GameState> fresh, const std::string& folder,
                                     const std::string& fileName) {
    if (fresh && !TakeTurn(std::move(*fresh), folder, fileName)) {
        fresh.reset();
    }
    if (!fresh && (main_.MapShown || !Game().GameId.empty())) {
        return false;
    }
    const bool mapLoaded = LoadMap();
    main_.RefreshAll();
    events_.TurnOpened();
    if (mapLoaded) {
        ShowMapAfresh();
        if (fresh) {
            windows_.map.SayHomeShowsOwnAreas();
        }
    }
    return fresh.has_value();
}

// The new turn replaces the open one whole: the earlier-turn view, the windows that hold
// orders of the old turn and the file status go with it.
// False when the turn is open in another program and the player does not open it read-only.
bool FileCommands::TakeTurn(GameState fresh, const std::string& folder,
                            const std::string& fileName) {
    const TurnClaim claim = keeper_.Claim(fresh);
    if (claim == TurnClaim::Refused) {
        return false;
    }
    main_.LeaveEarlierTurn();
    main_.CloseOrderWindows();
    forms_.UnloadIfLoaded("frmTurns");
    main_.SpyTargets = {};
    main_.stbStatus.SetText({});
    records_.documents.Open(std::move(fresh), claim == TurnClaim::ReadOnly
                                                  ? TurnAccess::HeldElsewhere
                                                  : TurnAccess::Current);
    GameState& game = Game();
    Notices said;
    ReadEarlierOrders(game, said);
    ShowNotices(platform_, said);
    NoteOpenedReport(folder, fileName);
    keeper_.MarkSaved();
    keeper_.OfferRecovery(game);
    main_.mnuVictoryConditions.SetEnabled(VictoryConditionsAllowed(game), kVictoryConditionsNotNow);
    main_.caption.SetText(GameTitle(game));
    main_.ShowHeldElsewhere(claim == TurnClaim::ReadOnly);
    return true;
}

bool FileCommands::LoadMap() {
    const MapFilePaths files = FindMapFiles(options_.mapFolders);
    if (const std::string problem = LoadMapFiles(Game(), records_.hexMap, files);
        !problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Critical);
        return false;
    }
    Game().MapDir = (files.hex.parent_path() / "").string();
    main_.MapShown = true;
    return true;
}

// The map window is rebuilt from the tables as they now are.
void FileCommands::ShowMapAfresh() {
    forms_.Unload(windows_.map);
    forms_.Show(windows_.map, Modality::Modeless);
}

// Save, Discard or Cancel when orders were entered since the last save; false: stay.
bool FileCommands::SettleUnsavedOrders() {
    if (!keeper_.Unsaved()) {
        return true;
    }
    switch (keeper_.AskToSave()) {
    case Answer::Save:
        return Save();
    case Answer::Cancel:
        return false;
    default:
        // Discarded orders are not offered back at the next start.
        keeper_.ForgetRecovery();
        return true;
    }
}

void FileCommands::Open() {
    ChooseReport("Open", &FileCommands::OpenChosenReport);
}

void FileCommands::OpenChosenReport(const std::string& folder, const std::string& fileName) {
    std::optional<GameState> fresh = CheckReport(folder, fileName);
    if (fresh) {
        // The question is about the current turn's orders, and the windows that hold orders
        // of their own write them when they close, so that the question covers them too.
        main_.BackToCurrentTurn();
        main_.CloseOrderWindows();
        if (!SettleUnsavedOrders()) {
            return;
        }
    }
    platform_.SetPointer(Pointer::Hourglass);
    if (OpenCheckedReport(std::move(fresh), folder, fileName)) {
        main_.mnuOpen.SetEnabled(false, kOpenOnce);
    }
    platform_.SetPointer(Pointer::Default);
}

void FileCommands::Merge() {
    ChooseReport("Merge", &FileCommands::MergeChosenReport);
}

void FileCommands::MergeChosenReport(const std::string& folder, const std::string& fileName) {
    platform_.SetPointer(Pointer::Hourglass);
    Notices said;
    const ReportOutcome merged = MergeReport(Game(), said, folder, fileName);
    ShowNotices(platform_, said);
    if (merged == ReportOutcome::Read) {
        main_.mnuOpen.SetEnabled(false, kOpenOnce);
        main_.RefreshAll();
        events_.TurnOpened();
        // Before any report the map files are read here, and the map shows as after every merge.
        if (main_.MapShown || LoadMap()) {
            ShowMapAfresh();
        }
    }
    platform_.SetPointer(Pointer::Default);
}

void FileCommands::Drop(const std::string& path, bool merge) {
    MenuItemModel& item = merge ? main_.mnuMerge : main_.mnuOpen;
    if (main_.ShowsEarlierTurn()) {
        platform_.MsgBox("An earlier turn is shown: go back to the current turn (View > Turns) "
                         "before opening or merging a report",
                         MsgIcon::Information);
        return;
    }
    if (!item.Enabled()) {
        platform_.MsgBox(merge ? "Reports can't be merged now"
                               : "A report is open: drop a report with Shift held to merge it",
                         MsgIcon::Information);
        return;
    }
    const auto [folder, fileName] = SplitReportPath(path);
    if (merge) {
        MergeChosenReport(folder, fileName);
    } else {
        OpenChosenReport(folder, fileName);
    }
}

bool FileCommands::Save() {
    // The orders saved are always the current turn's; an earlier one is never written over.
    main_.BackToCurrentTurn();
    const TurnDocument& current = records_.documents.Current();
    if (current.ReadOnly()) {
        platform_.MsgBox(current.WhyReadOnly(), MsgIcon::Information);
        return false;
    }
    const GameState& game = current.records;
    const auto targets = dered::SpyTargets(game);
    std::copy(targets.begin(), targets.end(), main_.SpyTargets.begin() + 1);
    const std::string problem = WriteOrdersFiles(game, disk_);
    if (!problem.empty()) {
        main_.stbStatus.SetText("Not saved");
        platform_.MsgBox(problem, MsgIcon::Critical);
        return false;
    }
    keeper_.MarkSaved();
    keeper_.ForgetRecovery();
    const int count = CountOrders(FormatOrders(game).commands);
    main_.stbStatus.SetText("Saved " + std::to_string(count) + (count == 1 ? " order" : " orders") +
                            " to " + game.ReportDir + std::string(kCommandsFileName));
    return true;
}

// The close box of the main window does the same.
void FileCommands::Exit() {
    // The question is about the current turn's orders, whatever is on screen.
    main_.BackToCurrentTurn();
    if (!SettleUnsavedOrders()) {
        return;
    }
    RememberWindowPlaces();
    if (const std::string problem = SaveSettings(records_.settings, ini_); !problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Exclamation);
    }
    forms_.Unload(windows_.map);
    platform_.EndProgram();
}

// A failure here is the settings file's, which SaveSettings reports.
void FileCommands::RememberWindowPlaces() {
    std::vector<IniEntry> entries;
    for (const Form* form : main_.PlacedWindows()) {
        if (form->place) {
            entries.push_back(WindowPlaceEntry(form->Name(), *form->place));
        }
    }
    if (!entries.empty()) {
        (void)ini_.WriteStrings(entries);
    }
}

void FileCommands::SaveHexData() {
    const std::string mapDir =
        Game().MapDir.empty() ? (options_.mapFolders.user / "").string() : Game().MapDir;
    OpenFileRequest request;
    request.filter = "QZ Data (*.dat)|*.dat|All Files (*.*)|*.*";
    request.filterIndex = 1;
    request.defaultExt = "DAT";
    request.initialDir = mapDir;
    request.fileName = mapDir + MapHexFileName;
    request.mustExist = false;
    const OpenFileResult chosen = platform_.ShowOpenDialog(request);
    if (chosen.fileName.empty()) {
        return;
    }
    // An installed program's map folder belongs to the system: the user's folder takes it.
    const SavePlace place =
        HexSavePlace(chosen.fullPath, options_.mapFolders.user, options_.folderWritable);
    if (!place.problem.empty()) {
        platform_.MsgBox(place.problem, MsgIcon::Critical);
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    const std::string problem = dered::SaveHexData(records_.hexMap, place.path.string(), disk_);
    platform_.SetPointer(Pointer::Default);
    if (!problem.empty()) {
        platform_.MsgBox(problem, MsgIcon::Critical);
    } else if (place.inUserFolder) {
        platform_.MsgBox("The folder of " + chosen.fullPath +
                             " cannot be written; the hex data was saved to " +
                             place.path.string() + ", where the program looks first.",
                         MsgIcon::Information);
    }
}

} // namespace dered
