#include "forms/frmWinQZ.h"

#include "files/RememberedPlaces.h"
#include "files/Settings.h"
#include "forms/AreaDisplay.h"
#include "forms/frmCallToArms.h"
#include "forms/frmMap.h"
#include "forms/frmSummary.h"
#include "orders/ListOrders.h"
#include "state/Text.h"

#include <array>

namespace dered {

namespace {

struct ColumnDesign {
    const char* heading;
    const char* sample;
    Alignment alignment;
};

constexpr std::array<ColumnDesign, AreaColumnCount> kColumns = {{
    {"ID", " 222 ", Alignment::Right},
    {"Area Name", " SouthWest_Atlantic_Ocean ", Alignment::Left},
    {"Owner", " Owner ", Alignment::Left},
    {"Type", " coast ", Alignment::Left},
    {"Supply", " Supply ", Alignment::Centre},
    {"Owner", " Owner ", Alignment::Left},
    {"Type", " squadron ", Alignment::Left},
    {"Command", " Command ", Alignment::Left},
    {"Parm1", " Parm1 ", Alignment::Left},
    {"Parm2", " Parm2 ", Alignment::Left},
}};

} // namespace

frmWinQZ::frmWinQZ(Records& records, Platform& platform, FormManager& forms, IniService& ini,
                   Disk& disk, const ProgramOptions& options, TurnEvents& events,
                   MainWindows windows)
    : Form("frmWinQZ", "Roz-OD2 V2.06 32-bit"), records_(records), platform_(platform),
      forms_(forms), ini_(ini), disk_(disk), events_(events), options_(options), windows_(windows) {
    std::vector<MenuItemModel*> file{&mnuOpen, &mnuMerge, &mnuLoadAllyOrders, &mnuSave,
                                     &mnuExportMap};
    for (MenuItemModel& item : mnuRecentReport) {
        file.push_back(&item);
    }
    file.push_back(&mnuExit);
    menu_ = {
        {&mnuFile, file},
        {&mnuEdit, {&mnuUndo, &mnuRedo, &mnuOrdersOverview, &mnuGoTo, &mnuTypeOrder}},
        {&mnuAreaData, {&mnuEditHex, &mnuSaveHexData}},
        {&mnuCommand, {&mnuANW, &mnuCallToArms, &mnuGrantAccess, &mnuSpy, &mnuVictoryConditions}},
        {&mnuView,
         {&mnuRelations, &mnuYourAreas, &mnuTurns, &mnuHistory, &mnuLegend, &mnuMyAreas, &mnuReach,
          &mnuThreats, &mnuAlliesOrders}},
        {&mnuOptions, {&mnuMapColors, &mnuHex, &mnuZoom, &mnuTypeofUnitDisplay}},
        {&mnuHelp, {&mnuOrders, &mnuAbout}},
    };
    mnuOpen.SetShortcut("Ctrl+O");
    mnuSave.SetShortcut("Ctrl+S");
    mnuExit.SetShortcut("Ctrl+Q");
    mnuOrders.SetShortcut("F1");
    mnuMyAreas.SetShortcut("Home");
    mnuTypeOrder.SetShortcut("Ctrl+E");
    WireMenu();
    events.Subscribe([this](const TurnChange& change) {
        for (int16_t area : change.areas) {
            ShowOrder(area);
        }
        // The turn is formatted once a change, and only when its orders changed.
        if (change.OrdersChanged()) {
            files_.Keeper().KeepChange();
        }
    });
}

// Row 0 of the grid holds the headings, not area 0.
void frmWinQZ::ShowOrder(int16_t area) {
    if (area < 1 || area > MaxArea) {
        return;
    }
    const AreaRecord& a = Game().Areas[area];
    const auto parm = [](int16_t value) { return value >= 1 ? std::to_string(value) : ""; };
    SetGridCell(grdArea, area, ColCommand, a.Command);
    SetGridCell(grdArea, area, ColParm1, parm(a.Parm1));
    SetGridCell(grdArea, area, ColParm2, parm(a.Parm2));
}

void frmWinQZ::LoadSettingsFile() {
    LoadSettings(records_.settings, ini_);
    mnuHex.SetChecked(records_.settings.HexDisplay != 0);
}

void frmWinQZ::RefreshAll() {
    forms_.EnsureLoaded(windows_.summary);
    dered::RefreshAll(Game(), grdArea, windows_.summary.grdSummary);
}

void frmWinQZ::WireMenu() {
    mnuOpen.onClick = [this] { mnuOpen_Click(); };
    mnuMerge.onClick = [this] { mnuMerge_Click(); };
    mnuSave.onClick = [this] { mnuSave_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuSaveHexData.onClick = [this] { mnuSaveHexData_Click(); };
    mnuCallToArms.onClick = [this] { mnuCallToArms_Click(); };
    for (size_t i = 0; i < mnuRecentReport.size(); ++i) {
        mnuRecentReport[i].onClick = [this, i] { mnuRecent_Click(static_cast<int>(i) + 1); };
    }
    mnuOpen.Subscribe([this](const Changed&) { files_.ShowRecentReports(); });
    files_.ShowRecentReports();
    mnuEditHex.onClick = [this] { windows_.map.mnuEditHex_Click(); };
    mnuMapColors.onClick = [this] { windows_.map.mnuMapColors_Click(); };
    mnuHex.onClick = [this] { windows_.map.mnuHex_Click(); };
    mnuZoom.onClick = [this] { windows_.map.mnuZoom_Click(); };
    mnuMyAreas.onClick = [this] { windows_.map.canvas.CentreOnOwnAreas(); };
    mnuTypeOrder.onClick = [this] { windows_.map.fields.TypeOrder(); };
    mnuTypeofUnitDisplay.onClick = [this] { windows_.map.mnuTypeofUnitDisplay_Click(); };
}

MenuItemModel* frmWinQZ::FindMenuItem(const std::string& name) {
    for (const MenuGroup& group : menu_) {
        if (group.top->Name() == name) {
            return group.top;
        }
        for (MenuItemModel* item : group.items) {
            if (item->Name() == name) {
                return item;
            }
        }
    }
    return nullptr;
}

void frmWinQZ::SetUpGrids() {
    Platform& platform = platform_;
    grdArea.SetFixedRows(1);
    int areaWidth = 0;
    int unitWidth = 0;
    for (int col = 0; col < AreaColumnCount; ++col) {
        const ColumnDesign& design = kColumns[col];
        const int width = platform.MeasureText(design.sample, FontKind::Window).width + 4;
        grdArea.SetColWidth(col, width);
        grdArea.SetColAlignment(col, design.alignment);
        grdArea.SetFixedAlignment(col, design.alignment);
        SetGridCell(grdArea, 0, col, design.heading);
        (col <= ColSupply ? areaWidth : unitWidth) += width;
    }
    grdAreaTitle.SetFixedRows(1);
    grdAreaTitle.SetColWidth(0, areaWidth + 4);
    grdAreaTitle.SetColWidth(1, unitWidth + 4 + platform.VerticalScrollBarWidth());
    for (int col = 0; col < 2; ++col) {
        grdAreaTitle.SetColAlignment(col, Alignment::Centre);
        grdAreaTitle.SetFixedAlignment(col, Alignment::Centre);
    }
    SetGridCell(grdAreaTitle, 0, 0, "Area");
    SetGridCell(grdAreaTitle, 0, 1, "Unit");
}

void frmWinQZ::Form_Load() {
    GameState& game = Game();
    game.SelectedArea = 0;
    game.UnitDisplayMode = 0;
    LoadSettingsFile();
    files_.ReadRecentReports();
    for (Form* form : PlacedWindows()) {
        form->place = LoadWindowPlace(ini_, form->Name());
    }
    files_.ShowRecentReports();
    SetUpGrids();
    forms_.Show(windows_.summary, Modality::Modeless);
    SummaryShown = true;
}

std::array<Form*, 3> frmWinQZ::PlacedWindows() {
    return {this, &windows_.summary, &windows_.map};
}

void frmWinQZ::OpenCommandLineReport() {
    const std::string commandLine = TrimBlanks(options_.commandLine);
    if (commandLine.empty()) {
        return;
    }
    platform_.SetPointer(Pointer::Hourglass);
    const auto slash = commandLine.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        files_.OpenReport(commandLine.substr(0, slash + 1), commandLine.substr(slash + 1));
    } else {
        files_.OpenReport({}, commandLine);
    }
    platform_.SetPointer(Pointer::Default);
}

void frmWinQZ::Form_Unload() {
    forms_.Unload(windows_.map);
    forms_.Unload(windows_.summary);
}

void frmWinQZ::Form_Resize(WindowState state) {
    if (state == WindowState::Minimized) {
        if (SummaryShown) {
            forms_.Hide(windows_.summary);
        }
        if (MapShown) {
            forms_.Hide(windows_.map);
        }
    } else if (state == WindowState::Normal) {
        if (SummaryShown) {
            forms_.Show(windows_.summary, Modality::Modeless);
        }
        if (MapShown) {
            forms_.Show(windows_.map, Modality::Modeless);
        }
    }
}

void frmWinQZ::grdArea_Click() {
    Game().SelectedArea = static_cast<int16_t>(grdArea.Row());
}

void frmWinQZ::grdArea_DblClick() {
    GameState& game = Game();
    if (game.PendingCommand == MapCommand::None) {
        game.SelectedArea = static_cast<int16_t>(grdArea.Row());
    }
}

void frmWinQZ::mnuCallToArms_Click() {
    const GameState& game = Game();
    if (!CallsToArmsAllowed(game)) {
        platform_.MsgBox(kCallToArmsNotYet, MsgIcon::Information);
        return;
    }
    forms_.Show(windows_.callToArms, Modality::Modal);
}

} // namespace dered
