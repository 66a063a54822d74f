#include "forms/frmRelations.h"

#include "orders/OrderList.h"

#include <algorithm>

namespace dered {

frmRelations::frmRelations(const Documents& documents, Platform& platform)
    : Form("frmRelations", "Relations"), documents_(documents), platform_(platform) {}

void frmRelations::Form_Load() {
    const GameState& game = Game();
    // Row and column 0 are headings; players 1 to PlayerCount - 1 follow.
    const int size = std::clamp<int>(game.PlayerCount, 0, MaxPlayer + 1);
    grdRelations.SetRows(0);
    grdRelations.SetRows(size);
    grdRelations.SetCols(size);
    grdRelations.SetFixedRows(size > 1 ? 1 : 0);
    grdRelations.SetFixedCols(size > 1 ? 1 : 0);
    const int width = platform_.MeasureText("GRMN", FontKind::Window).width + 4;
    for (int col = 0; col < size; ++col) {
        grdRelations.SetColWidth(col, width);
        if (col >= 1) {
            grdRelations.SetColAlignment(col, Alignment::Centre);
        }
    }
    GridWidth = (width + 1) * size;
    GridHeight = (grdRelations.RowHeight(0) + 1) * size;
    for (int16_t i = 1; i < size; ++i) {
        SetGridCell(grdRelations, 0, i, game.Players[i].Abbrev);
        SetGridCell(grdRelations, i, 0, game.Players[i].Abbrev);
        for (int16_t j = 1; j < size; ++j) {
            if (j == i) {
                continue;
            }
            const char* mark = IsAllied(game, i, j) ? "A" : (IsAtWar(game, i, j) ? "W" : "");
            SetGridCell(grdRelations, i, j, mark);
        }
    }
}

} // namespace dered
