#pragma once

#include "files/RecentReports.h"
#include "forms/FileCommands.h"
#include "forms/ProgramOptions.h"
#include "forms/TurnKeeper.h"
#include "state/Records.h"
#include "state/TurnEvents.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/GridModel.h"
#include "ui/Platform.h"
#include "ui/WindowState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dered {

class IniService;
class frmCallToArms;
class frmMap;
class frmSummary;

// The windows the main window shows, hides and fills.
struct MainWindows {
    frmSummary& summary;
    frmMap& map;
    frmCallToArms& callToArms;
};

struct MenuGroup {
    MenuItemModel* top;
    std::vector<MenuItemModel*> items;
};

// The main window: the area grid, the menu, start-up and shut-down.
inline constexpr const char* kOpenOnce =
    "A report is open: merge further reports with File > Merge, or drop them with Shift held";

class frmWinQZ : public Form {
  public:
    frmWinQZ(Records& records, Platform& platform, FormManager& forms, IniService& ini, Disk& disk,
             const ProgramOptions& options, TurnEvents& events, MainWindows windows);

    void Form_Load() override;
    // The report named on the command line, opened once the windows are up so that its
    // messages appear over them.
    void OpenCommandLineReport();
    void Form_Unload() override;
    void Form_Resize(WindowState state);
    void grdArea_Click();
    void grdArea_DblClick();

    void mnuOpen_Click() { files_.Open(); }
    void mnuMerge_Click() { files_.Merge(); }
    void mnuSave_Click() { (void)files_.Save(); }
    void mnuExit_Click() { files_.Exit(); }
    void mnuSaveHexData_Click() { files_.SaveHexData(); }
    void mnuCallToArms_Click();
    // The n-th (1-based) of the recent reports, opened as "&Open" would open it; a report no
    // longer there is taken off the list with a message. Refused while "&Open" is disabled.
    void mnuRecent_Click(int n) { files_.OpenRecent(n); }
    // A report file dropped on the main or map window: opened as "&Open" would open it, or with
    // Shift held merged as "&Merge" would; refused while that item is disabled.
    void DropReport(const std::string& path, bool merge) { files_.Drop(path, merge); }

    // An earlier turn (read by ReadEarlierTurn) shown read-only: the current turn's records are
    // kept aside whole, and the menu items that enter or save orders are disabled.
    void ShowEarlierTurn(GameState earlier);
    // The current turn back exactly as it was left, with every order entered.
    void BackToCurrentTurn();
    // Spy, grant access and victory conditions: closing writes their orders to the turn.
    void CloseOrderWindows();
    bool ShowsEarlierTurn() const { return records_.documents.ShowsEarlier(); }
    // The turn orders are entered on, whichever is shown.
    const GameState& CurrentTurn() const { return records_.documents.Current().records; }

    // Reads the settings file and puts the "Hex map" tick in line with it.
    void LoadSettingsFile();
    // Refills the area grid and the summary figures from the records.
    void RefreshAll();

    // The menu as the window shows it: top-level items with their items, in order.
    const std::vector<MenuGroup>& Menu() const { return menu_; }
    MenuItemModel* FindMenuItem(const std::string& name);

    GridModel grdArea{294, 10};
    GridModel grdAreaTitle{1, 2};

    MenuItemModel mnuFile{"mnuFile", "&File"};
    MenuItemModel mnuOpen{"mnuOpen", "&Open"};
    MenuItemModel mnuMerge{"mnuMerge", "&Merge"};
    MenuItemModel mnuSave{"mnuSave", "&Save "};
    MenuItemModel mnuExportMap{"mnuExportMap", "&Export Map..."};
    MenuItemModel mnuLoadAllyOrders{"mnuLoadAllyOrders", "Load &Ally's Orders..."};
    // The recent reports in the File menu, most recent first; the unused places are hidden.
    std::array<MenuItemModel, kMaxRecentReports> mnuRecentReport{{{"mnuRecent1", ""},
                                                                  {"mnuRecent2", ""},
                                                                  {"mnuRecent3", ""},
                                                                  {"mnuRecent4", ""},
                                                                  {"mnuRecent5", ""},
                                                                  {"mnuRecent6", ""},
                                                                  {"mnuRecent7", ""},
                                                                  {"mnuRecent8", ""}}};
    MenuItemModel mnuExit{"mnuExit", "&Exit"};
    MenuItemModel mnuEdit{"mnuEdit", "&Edit"};
    MenuItemModel mnuUndo{"mnuUndo", "&Undo"};
    MenuItemModel mnuRedo{"mnuRedo", "&Redo"};
    MenuItemModel mnuOrdersOverview{"mnuOrdersOverview", "&Orders Overview"};
    MenuItemModel mnuGoTo{"mnuGoTo", "&Go to Area..."};
    MenuItemModel mnuAreaData{"mnuAreaData", "&Area Data"};
    MenuItemModel mnuEditHex{"mnuEditHex", "&Edit Hex"};
    MenuItemModel mnuSaveHexData{"mnuSaveHexData", "&Save Hex Data"};
    MenuItemModel mnuCommand{"mnuCommand", "&Command"};
    MenuItemModel mnuANW{"mnuANW", "&ANW"};
    MenuItemModel mnuCallToArms{"mnuCallToArms", "&Call to Arms"};
    MenuItemModel mnuGrantAccess{"mnuGrantAccess", "&Grant Access"};
    MenuItemModel mnuSpy{"mnuSpy", "&Spy"};
    MenuItemModel mnuVictoryConditions{"mnuVictoryConditions", "&VictoryConditions"};
    MenuItemModel mnuView{"mnuView", "&View"};
    MenuItemModel mnuRelations{"mnuRelations", "&Relations"};
    MenuItemModel mnuYourAreas{"mnuYourAreas", "&Your Areas"};
    MenuItemModel mnuLegend{"mnuLegend", "&Legend"};
    MenuItemModel mnuMyAreas{"mnuMyAreas", "&My Areas"};
    MenuItemModel mnuReach{"mnuReach", "R&each"};
    MenuItemModel mnuThreats{"mnuThreats", "Threat&s"};
    MenuItemModel mnuTypeOrder{"mnuTypeOrder", "&Type an Order"};
    MenuItemModel mnuTurns{"mnuTurns", "&Turns"};
    MenuItemModel mnuAlliesOrders{"mnuAlliesOrders", "&Allies' Orders"};
    MenuItemModel mnuHistory{"mnuHistory", "&History"};
    MenuItemModel mnuOptions{"mnuOptions", "&Options"};
    MenuItemModel mnuMapColors{"mnuMapColors", "Map &Colors"};
    MenuItemModel mnuHex{"mnuHex", "Hex map"};
    MenuItemModel mnuZoom{"mnuZoom", "&Zoom Map"};
    MenuItemModel mnuTypeofUnitDisplay{"mnuTypeofUnitDisplay", "Type of Unit Display"};
    MenuItemModel mnuHelp{"mnuHelp", "&Help"};
    MenuItemModel mnuOrders{"mnuOrders", "&Orders"};
    MenuItemModel mnuAbout{"mnuAbout", "&About"};
    // The main window's status bar: what the last file command did.
    TextModel stbStatus;

    std::array<int16_t, 7> SpyTargets{}; // 1..6
    bool MapShown = false;
    const TurnKeeper& Keeper() const { return files_.Keeper(); }
    // The last reports opened, most recent first, as the settings file keeps them.
    const std::vector<RecentReport>& RecentReports() const { return files_.RecentReports(); }
    // The report the turn was opened from, empty before any.
    const std::string& OpenReportPath() const { return files_.OpenReportPath(); }
    bool SummaryShown = false;

  private:
    // The file commands open the turn: they leave the earlier turn and say who holds it.
    friend class FileCommands;
    void SetUpGrids();
    void WireMenu();
    void ShowHeldElsewhere(bool heldElsewhere);
    void LeaveEarlierTurn();
    void ShowOrder(int16_t area);
    void ShowTurnOnScreen();
    std::vector<MenuItemModel*> OrderMenuItems();
    // The windows whose places are remembered: this one, the summary and the map.
    std::array<Form*, 3> PlacedWindows();

    Records& records_;
    // The turn on screen.
    GameState& Game() const { return records_.documents.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    IniService& ini_;
    Disk& disk_;
    TurnEvents& events_;
    const ProgramOptions& options_; // the batch driver's "start" sets the command line late
    MainWindows windows_;
    std::vector<MenuGroup> menu_;
    FileCommands files_{*this, records_, platform_, forms_,  ini_,
                        disk_, options_, events_,   windows_};
    // The order menu items as the current turn left them: enabled, else why not.
    std::vector<std::pair<bool, std::string>> orderMenuEnabled_;
};

} // namespace dered
