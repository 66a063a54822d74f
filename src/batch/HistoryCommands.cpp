// The driver's word for the game's history: "print history".
#include "app/Program.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "turns/HistoryChart.h"

#include <ostream>

namespace dered {

namespace {

// What the History window holds, read afresh: a line a turn and player, the missing turns, the
// reports left out.
void PrintHistory(Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    if (program.winQZ.OpenReportPath().empty()) {
        throw ScriptError("no report is open");
    }
    const GameHistory& history = program.gameHistory.Refresh();
    const GameState& game = program.winQZ.CurrentTurn();
    for (const HistoryTurn& turn : history.turns) {
        for (const int16_t p : history.players) {
            const PlayerTally& t = turn.players[p];
            out << "HISTORY " << TurnName(turn.Sequence()) << ' ' << game.Players[p].Abbrev << ' '
                << t.supplyCentres << ' ' << t.units << ' ' << t.areas << '\n';
        }
    }
    for (const int sequence : history.Gaps()) {
        out << "MISSING " << TurnName(sequence) << '\n';
    }
    for (const TurnUnreadable& file : history.skipped) {
        out << "SKIPPED " << ShownPath(file.path) << ": " << file.reason << '\n';
    }
}

} // namespace

void AddHistoryCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    std::ostream& out = runner.out();
    runner.AddPrint("history",
                    [&program, &out](ScriptArgs& args) { PrintHistory(program, out, args); });
}

} // namespace dered
