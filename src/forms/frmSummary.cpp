#include "forms/frmSummary.h"

#include "app/Program.h"

namespace dered {

frmSummary::frmSummary(Program& program) : Form("frmSummary", "Summary"), program_(program) {
    AddControl("grdSummary", &grdSummary);
}

void frmSummary::Form_Load() {
    Platform& platform = program_.platform;
    grdSummary.SetColWidth(0, platform.MeasureText(" Squadrons ", FontKind::Window).width + 4);
    grdSummary.SetColWidth(1, platform.MeasureText(" 222 ", FontKind::Window).width + 4);
    const int rowHeight = platform.MeasureText("222", FontKind::Window).height + 4;
    static const char* const kTitles[] = {"Armies", "Corps", "Fleets",   "Squadrons",
                                          "Land",   "Water", "Max Sply", "Free Sply"};
    for (int row = 0; row < 8; ++row) {
        grdSummary.SetRowHeight(row, rowHeight);
        SetGridCell(grdSummary, row, 0, kTitles[row]);
    }
}

} // namespace dered
