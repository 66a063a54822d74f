#include "orders/AreaOrders.h"

#include "app/Program.h"
#include "forms/AreaDisplay.h"
#include "orders/MoveRules.h"
#include "state/CodeTables.h"
#include "state/Numbers.h"

namespace dered {

namespace {

// What withdrawing an order gives back: the opposite of what entering it charged.
int16_t RefundOf(const AreaRecord& a) {
    const std::string& c = a.Command;
    if (c == "AA" || c == "AF") {
        return 2;
    }
    if (c == "AC" || c == "AS" || c == "UU") {
        return 1;
    }
    if (c == "DU") {
        return -1;
    }
    if (c == "RU") {
        return static_cast<int16_t>(-UnitKindSize(a.UnitKind));
    }
    return 0;
}

std::string ParmText(int16_t parm) {
    return parm >= 1 ? std::to_string(parm) : std::string();
}

} // namespace

void SetAreaCommand(Program& program, const std::string& code, int16_t parm1, int16_t parm2) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if ((code == "MO" || code == "SA" || code == "SD") && !ValidateMove(program, area, parm1)) {
        game.PendingCommand.clear();
        return;
    }
    const int16_t refund = RefundOf(game.Areas[area]);
    if (refund != 0) {
        AdjustSupply(program, refund);
    }
    AreaRecord& a = game.Areas[area];
    a.Command = code;
    a.Parm1 = parm1;
    a.Parm2 = parm2;
    // Row 0 of the grid holds the headings, not area 0.
    if (area >= 1) {
        GridModel& grid = program.winQZ.grdArea;
        SetGridCell(grid, area, ColCommand, code);
        SetGridCell(grid, area, ColParm1, ParmText(parm1));
        SetGridCell(grid, area, ColParm2, ParmText(parm2));
    }
    if (parm1 >= 1 && area >= 1) {
        program.map.DrawOrderArrow(area, parm1, code);
    }
    game.PendingCommand.clear();
}

void ClearAreaCommand(Program& program) {
    GameState& game = program.records.game;
    const int16_t area = AreaOrNone(game.SelectedArea);
    if (game.Areas[area].Command.empty()) {
        return;
    }
    SetAreaCommand(program, "", 0, 0);
    program.map.RedrawArea(area);
    program.map.RefreshView();
}

void AdjustSupply(Program& program, int16_t amount) {
    int16_t& free = program.records.game.Summary.FreeSupply;
    const bool wasShort = free < 0;
    free = Add16(free, amount);
    if (wasShort && free > 0) {
        free = 0;
    }
    program.forms.EnsureLoaded(program.summary);
    SetGridCell(program.summary.grdSummary, 7, 1, std::to_string(free));
}

} // namespace dered
