// The driver's prints of the records and of grids: the program's state as stable text lines.
#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "files/Settings.h"
#include "state/OrderKinds.h"

namespace dered::words {

namespace {

void PrintGridRow(std::ostream& out, const GridModel& grid, int row) {
    for (int col = 0; col < grid.Cols(); ++col) {
        out << (col ? "|" : "") << grid.TextAt(row, col);
    }
    out << '\n';
}

const GridModel& FindGrid(Program& program, const std::string& target) {
    const auto dot = target.find('.');
    Form* form = program.FindForm(target.substr(0, dot));
    if (form == nullptr || dot == std::string::npos) {
        throw ScriptError("no form for " + target);
    }
    const auto control = form->FindControl(target.substr(dot + 1));
    if (!control || !std::holds_alternative<GridModel*>(*control)) {
        throw ScriptError("no grid " + target);
    }
    return *std::get<GridModel*>(*control);
}

} // namespace

void PrintState(Script& s, ScriptArgs&) {
    const GameState& g = s.Shown();
    s.out << "GameId=" << g.GameId << " PlayerCode=" << g.PlayerCode << " GameYear=" << g.GameYear
          << " GameTurn=" << g.GameTurn << " OwnPlayer=" << g.OwnPlayer
          << " PlayerCount=" << g.PlayerCount << " OrderCount=" << g.OrderCount
          << " PendingCommand=" << MapCommandCode(g.PendingCommand)
          << " SelectedArea=" << g.SelectedArea << " FreeSupply=" << g.Summary.FreeSupply
          << " ReportDir=" << g.ReportDir;
    const SettingsRecord& settings = s.program.records.settings;
    s.out << " SupportedPlayer=" << g.SupportedPlayer << " MapX=" << settings.MapX
          << " MapY=" << settings.MapY << " CellSize=" << settings.CellSize
          << " HexDisplay=" << settings.HexDisplay << " UnitDisplayMode=" << g.UnitDisplayMode
          << '\n';
}

void PrintArea(Script& s, ScriptArgs& a) {
    const int area = a.LastNumber("area");
    if (area < 0 || area > MaxArea) {
        throw ScriptError("no area " + std::to_string(area));
    }
    const AreaRecord& r = s.Shown().Areas[area];
    s.out << "Owner=" << r.Owner << " Terrain=" << r.Terrain << " Supply=" << r.Supply
          << " HomeCentre=" << r.HomeCentre << " UnitKind=" << r.UnitKind
          << " UnitOwner=" << r.UnitOwner << " Command=" << r.Command << " Parm1=" << r.Parm1
          << " Parm2=" << r.Parm2 << " Neighbours=";
    for (size_t i = 0; i < r.Neighbour.size(); ++i) {
        s.out << (i ? "," : "") << r.Neighbour[i];
    }
    s.out << " Extent=" << r.MinCol << ',' << r.MaxCol << ',' << r.MinRow << ',' << r.MaxRow
          << " Name=" << r.Name << '\n';
}

void PrintPlayer(Script& s, ScriptArgs& a) {
    const int player = a.LastNumber("player");
    if (player < 0 || player > MaxPlayer) {
        throw ScriptError("no player " + std::to_string(player));
    }
    const PlayerRecord& p = s.Shown().Players[player];
    s.out << "Abbrev=" << p.Abbrev << " Name=" << p.Name << " Relations=";
    for (const std::string& letter : p.Relation) {
        s.out << (letter.empty() ? '.' : letter[0]);
    }
    s.out << '\n';
}

void PrintOrders(Script& s, ScriptArgs&) {
    const GameState& g = s.Shown();
    for (int slot = 1; slot <= g.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& o = g.Orders[slot];
        s.out << slot << ": " << (o.Code.empty() ? "." : o.Code) << ' ' << o.P1 << ' ' << o.P2
              << ' ' << o.P3 << ' ' << o.P4 << '\n';
    }
}

void PrintSettings(Script& s, ScriptArgs&) {
    const SettingsRecord& settings = s.program.records.settings;
    for (const auto& [key, value] : SettingsFileLines(settings)) {
        s.out << key << '=' << value << '\n';
    }
    s.out << "NoGo=" << ColourText(settings.NoGoColour) << '\n';
}

void PrintGrid(Script& s, ScriptArgs& a) {
    const GridModel& grid = FindGrid(s.program, a.LastWord("form.grid"));
    for (int row = 0; row < grid.Rows(); ++row) {
        PrintGridRow(s.out, grid, row);
    }
}

void PrintRow(Script& s, ScriptArgs& a) {
    const std::string target = a.Word("form.grid");
    const int row = a.LastNumber("row");
    const GridModel& grid = FindGrid(s.program, target);
    if (row < 0 || row >= grid.Rows()) {
        throw ScriptError("no row " + std::to_string(row) + " in " + target);
    }
    PrintGridRow(s.out, grid, row);
}

} // namespace dered::words
