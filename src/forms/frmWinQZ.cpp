#include "forms/frmWinQZ.h"

#include "app/Program.h"
#include "forms/AreaDisplay.h"
#include "forms/frmMapMenus.h"

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

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

frmWinQZ::frmWinQZ(Program& program) : Form("frmWinQZ", "Roz-OD2 V2.06 32-bit"), program_(program) {
    menu_ = {
        {&mnuFile, {&mnuOpen, &mnuMerge, &mnuSave, &mnuExit}},
        {&mnuAreaData, {&mnuEditHex, &mnuSaveHexData}},
        {&mnuCommand, {&mnuANW, &mnuCallToArms, &mnuGrantAccess, &mnuSpy, &mnuVictoryConditions}},
        {&mnuView, {&mnuRelations, &mnuYourAreas}},
        {&mnuOptions, {&mnuMapColors, &mnuHex, &mnuZoom, &mnuTypeofUnitDisplay}},
        {&mnuHelp, {&mnuAbout}},
    };
    WireMenu();
    AddControl("grdArea", &grdArea);
    AddControl("grdAreaTitle", &grdAreaTitle);
}

void frmWinQZ::WireMenu() {
    mnuOpen.onClick = [this] { mnuOpen_Click(); };
    mnuMerge.onClick = [this] { mnuMerge_Click(); };
    mnuSave.onClick = [this] { mnuSave_Click(); };
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuSaveHexData.onClick = [this] { mnuSaveHexData_Click(); };
    mnuCallToArms.onClick = [this] { mnuCallToArms_Click(); };
    mnuEditHex.onClick = [this] { mnuEditHex_Click(program_); };
    mnuMapColors.onClick = [this] { mnuMapColors_Click(program_); };
    mnuHex.onClick = [this] { mnuHex_Click(program_); };
    mnuZoom.onClick = [this] { mnuZoom_Click(program_); };
    mnuTypeofUnitDisplay.onClick = [this] { mnuTypeofUnitDisplay_Click(program_); };
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
    Platform& platform = program_.platform;
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
    GameState& game = program_.records.game;
    game.SelectedArea = 0;
    game.UnitDisplayMode = 0;
    program_.LoadSettingsFile();
    SetUpGrids();
    game.ProgramDir = program_.options.executableDir;
    if (game.ProgramDir.empty() || game.ProgramDir.back() != '/') {
        game.ProgramDir += '/';
    }
    const std::string commandLine = Trim(program_.options.commandLine);
    if (!commandLine.empty()) {
        program_.platform.SetPointer(Pointer::Hourglass);
        const auto slash = commandLine.find_last_of('/');
        if (slash != std::string::npos && slash > 0) {
            game.ReportDir = commandLine.substr(0, slash + 1);
            OpenReport(commandLine.substr(slash + 1));
        } else {
            game.ReportDir.clear();
            OpenReport(commandLine);
        }
        program_.platform.SetPointer(Pointer::Default);
    }
    program_.forms.Show(program_.summary, Modality::Modeless);
    SummaryShown = true;
}

void frmWinQZ::Form_Unload() {
    program_.forms.Unload(program_.map);
    program_.forms.Unload(program_.summary);
}

void frmWinQZ::Form_Resize(WindowState state) {
    if (state == WindowState::Minimized) {
        if (SummaryShown) {
            program_.forms.Hide(program_.summary);
        }
        if (MapShown) {
            program_.forms.Hide(program_.map);
        }
    } else if (state == WindowState::Normal) {
        if (SummaryShown) {
            program_.forms.Show(program_.summary, Modality::Modeless);
        }
        if (MapShown) {
            program_.forms.Show(program_.map, Modality::Modeless);
        }
    }
}

void frmWinQZ::grdArea_Click() {
    program_.records.game.SelectedArea = static_cast<int16_t>(grdArea.Row());
}

void frmWinQZ::grdArea_DblClick() {
    GameState& game = program_.records.game;
    if (game.PendingCommand.empty()) {
        game.SelectedArea = static_cast<int16_t>(grdArea.Row());
    }
}

void frmWinQZ::mnuCallToArms_Click() {
    const GameState& game = program_.records.game;
    if (game.GameYear == 1880 && game.GameTurn <= 3) {
        program_.platform.MsgBox("Can't declare war or call to arms on the first three turns",
                                 MsgIcon::Information);
        return;
    }
    program_.forms.Show(program_.callToArms, Modality::Modal);
}

} // namespace dered
