#include "forms/frmSummary.h"

#include <string>

namespace dered {

frmSummary::frmSummary(const Documents& documents, Platform& platform, FormManager& forms,
                       TurnEvents& events)
    : Form("frmSummary", "Summary"), documents_(documents), platform_(platform), forms_(forms) {
    events.Subscribe([this](const TurnChange& change) {
        if (change.freeSupply) {
            ShowFreeSupply();
        }
    });
}

void frmSummary::ShowFreeSupply() {
    forms_.EnsureLoaded(*this);
    SetGridCell(grdSummary, 7, 1, std::to_string(Game().Summary.FreeSupply));
}

void frmSummary::Form_Load() {
    Platform& platform = platform_;
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
