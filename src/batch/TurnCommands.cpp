// The driver's words for the turns beside the open one and the recent reports: "print turns",
// "compare", "print recent" and "menu mnuRecent".
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "turns/EarlierTurns.h"
#include "turns/TurnComparison.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace dered {

std::string ShownPath(const std::string& path) {
    std::error_code ec;
    const std::string here = std::filesystem::current_path(ec).string() + "/";
    return !ec && path.starts_with(here) ? path.substr(here.size()) : path;
}

namespace {

const std::string& OpenReport(Program& program) {
    const std::string& path = program.winQZ.OpenReportPath();
    if (path.empty()) {
        throw ScriptError("no report is open");
    }
    return path;
}

void PrintTurns(Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    const TurnList list = FindTurns(program.winQZ.CurrentTurn(), OpenReport(program));
    for (const TurnFound& turn : list.turns) {
        out << "TURN " << turn.year << ' ' << turn.turn << ' ' << ShownPath(turn.path)
            << (turn.open ? " *" : "") << '\n';
    }
    for (const TurnUnreadable& file : list.unreadable) {
        out << "UNREADABLE " << ShownPath(file.path) << ": " << file.reason << '\n';
    }
}

void Compare(Program& program, Platform& platform, std::ostream& out, ScriptArgs& args) {
    const std::string path = args.Word("report path");
    args.End();
    (void)OpenReport(program);
    GameState earlier;
    if (const std::string problem = ReadEarlierTurn(program.winQZ.CurrentTurn(), path, earlier);
        !problem.empty()) {
        platform.MsgBox("Can't compare with " + path + ": " + problem, MsgIcon::Critical);
        return;
    }
    const TurnComparison c = CompareTurns(earlier, program.winQZ.CurrentTurn());
    auto owner = c.owners.begin();
    auto unit = c.units.begin();
    // By area, an area's owner before its unit.
    while (owner != c.owners.end() || unit != c.units.end()) {
        if (unit == c.units.end() || (owner != c.owners.end() && owner->area <= unit->area)) {
            out << "CHANGE " << owner->area << " owner " << owner->before << ' ' << owner->after
                << '\n';
            ++owner;
        } else {
            out << "CHANGE " << unit->area << " unit " << unit->kindBefore << ' '
                << unit->ownerBefore << " -> " << unit->kindAfter << ' ' << unit->ownerAfter
                << '\n';
            ++unit;
        }
    }
    out << "CHANGE " << c.ChangeCount() << " changes\n";
}

void PrintRecent(Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    for (const RecentReport& report : program.winQZ.RecentReports()) {
        out << ShownPath(report.path) << '\n';
    }
}

void OpenRecent(Program& program, std::ostream& out, ScriptArgs& args) {
    const int n = args.Number("place in the list");
    args.End();
    frmWinQZ& win = program.winQZ;
    if (n < 1 || n > static_cast<int>(win.RecentReports().size())) {
        throw ScriptError("no recent report " + std::to_string(n));
    }
    if (!win.mnuOpen.Enabled()) {
        out << "DISABLED mnuRecent\n";
        return;
    }
    win.mnuRecent_Click(n);
}

} // namespace

void AddTurnCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    Platform& platform = runner.platform();
    std::ostream& out = runner.out();
    runner.AddPrint("turns",
                    [&program, &out](ScriptArgs& args) { PrintTurns(program, out, args); });
    runner.AddPrint("recent",
                    [&program, &out](ScriptArgs& args) { PrintRecent(program, out, args); });
    runner.AddCommand("compare", [&program, &platform, &out](ScriptArgs& args) {
        Compare(program, platform, out, args);
    });
    runner.AddSubcommand("menu", "mnuRecent",
                         [&program, &out](ScriptArgs& args) { OpenRecent(program, out, args); });
}

} // namespace dered
