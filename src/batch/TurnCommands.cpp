// The driver's words for the turns beside the open one and the recent reports: "print turns",
// "print history", "compare", "print recent" and "menu mnuRecent".
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "turns/EarlierTurns.h"
#include "turns/HistoryChart.h"
#include "turns/TurnComparison.h"

#include <ostream>

namespace dered::words {

namespace {

const std::string& OpenReport(Program& program) {
    const std::string& path = program.winQZ.OpenReportPath();
    if (path.empty()) {
        throw ScriptError("no report is open");
    }
    return path;
}

} // namespace

void PrintTurns(Script& s, ScriptArgs&) {
    const TurnList list = FindTurns(s.program.winQZ.CurrentTurn(), OpenReport(s.program));
    for (const TurnFound& turn : list.turns) {
        s.out << "TURN " << turn.year << ' ' << turn.turn << ' ' << ShownPath(turn.path)
              << (turn.open ? " *" : "") << '\n';
    }
    for (const TurnUnreadable& file : list.unreadable) {
        s.out << "UNREADABLE " << ShownPath(file.path) << ": " << file.reason << '\n';
    }
}

// What the History window holds, read afresh: a line a turn and player, the missing turns, the
// reports left out.
void PrintHistory(Script& s, ScriptArgs&) {
    (void)OpenReport(s.program);
    const GameHistory& history = s.program.gameHistory.Refresh();
    const GameState& game = s.program.winQZ.CurrentTurn();
    for (const HistoryTurn& turn : history.turns) {
        for (const int16_t p : history.players) {
            const PlayerTally& t = turn.players[p];
            s.out << "HISTORY " << TurnName(turn.Sequence()) << ' ' << game.Players[p].Abbrev << ' '
                  << t.supplyCentres << ' ' << t.units << ' ' << t.areas << '\n';
        }
    }
    for (const int sequence : history.Gaps()) {
        s.out << "MISSING " << TurnName(sequence) << '\n';
    }
    for (const TurnUnreadable& file : history.skipped) {
        s.out << "SKIPPED " << ShownPath(file.path) << ": " << file.reason << '\n';
    }
}

void Compare(Script& s, ScriptArgs& args) {
    Program& program = s.program;
    const std::string path = args.LastWord("report path");
    (void)OpenReport(program);
    GameState earlier;
    if (const std::string problem = ReadEarlierTurn(program.winQZ.CurrentTurn(), path, earlier);
        !problem.empty()) {
        s.platform.MsgBox("Can't compare with " + path + ": " + problem, MsgIcon::Critical);
        return;
    }
    const TurnComparison c = CompareTurns(earlier, program.winQZ.CurrentTurn());
    auto owner = c.owners.begin();
    auto unit = c.units.begin();
    // By area, an area's owner before its unit.
    while (owner != c.owners.end() || unit != c.units.end()) {
        if (unit == c.units.end() || (owner != c.owners.end() && owner->area <= unit->area)) {
            s.out << "CHANGE " << owner->area << " owner " << owner->before << ' ' << owner->after
                  << '\n';
            ++owner;
        } else {
            s.out << "CHANGE " << unit->area << " unit " << unit->kindBefore << ' '
                  << unit->ownerBefore << " -> " << unit->kindAfter << ' ' << unit->ownerAfter
                  << '\n';
            ++unit;
        }
    }
    s.out << "CHANGE " << c.ChangeCount() << " changes\n";
}

void PrintRecent(Script& s, ScriptArgs&) {
    for (const RecentReport& report : s.program.winQZ.RecentReports()) {
        s.out << ShownPath(report.path) << '\n';
    }
}

void OpenRecent(Script& s, ScriptArgs& args) {
    const int n = args.LastNumber("place in the list");
    frmWinQZ& win = s.program.winQZ;
    if (n < 1 || n > static_cast<int>(win.RecentReports().size())) {
        throw ScriptError("no recent report " + std::to_string(n));
    }
    if (!win.mnuOpen.Enabled()) {
        s.out << "DISABLED mnuRecent\n";
        return;
    }
    win.mnuRecent_Click(n);
}

} // namespace dered::words
