#include "batch/Printers.h"

#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "files/Settings.h"
#include "state/OrderKinds.h"

namespace dered {

void Printers::Print(const std::string& what, ScriptArgs& args) {
    if (what == "state") {
        args.End();
        State();
    } else if (what == "area") {
        const int area = args.Number("area");
        args.End();
        if (area < 0 || area > MaxArea) {
            throw ScriptError("no area " + std::to_string(area));
        }
        Area(area);
    } else if (what == "player") {
        const int player = args.Number("player");
        args.End();
        if (player < 0 || player > MaxPlayer) {
            throw ScriptError("no player " + std::to_string(player));
        }
        Player(player);
    } else if (what == "orders") {
        args.End();
        Orders();
    } else if (what == "grid" || what == "row") {
        GridRows(args, what == "row");
    } else if (what == "menu") {
        const std::string name = args.Word("menu item");
        args.End();
        Menu(name);
    } else if (what == "caption") {
        const std::string name = args.Word("form");
        args.End();
        Caption(name);
    } else if (what == "settings") {
        args.End();
        Settings();
    } else {
        throw ScriptError("cannot print " + what);
    }
}

void Printers::State() {
    const GameState& g = program_.records.documents.Shown().records;
    out_ << "GameId=" << g.GameId << " PlayerCode=" << g.PlayerCode << " GameYear=" << g.GameYear
         << " GameTurn=" << g.GameTurn << " OwnPlayer=" << g.OwnPlayer
         << " PlayerCount=" << g.PlayerCount << " OrderCount=" << g.OrderCount
         << " PendingCommand=" << MapCommandCode(g.PendingCommand)
         << " SelectedArea=" << g.SelectedArea << " FreeSupply=" << g.Summary.FreeSupply
         << " ReportDir=" << g.ReportDir;
    const SettingsRecord& s = program_.records.settings;
    out_ << " SupportedPlayer=" << g.SupportedPlayer << " MapX=" << s.MapX << " MapY=" << s.MapY
         << " CellSize=" << s.CellSize << " HexDisplay=" << s.HexDisplay
         << " UnitDisplayMode=" << g.UnitDisplayMode << '\n';
}

void Printers::Area(int area) {
    const AreaRecord& a = program_.records.documents.Shown().records.Areas[area];
    out_ << "Owner=" << a.Owner << " Terrain=" << a.Terrain << " Supply=" << a.Supply
         << " HomeCentre=" << a.HomeCentre << " UnitKind=" << a.UnitKind
         << " UnitOwner=" << a.UnitOwner << " Command=" << a.Command << " Parm1=" << a.Parm1
         << " Parm2=" << a.Parm2 << " Neighbours=";
    for (size_t i = 0; i < a.Neighbour.size(); ++i) {
        out_ << (i ? "," : "") << a.Neighbour[i];
    }
    out_ << " Extent=" << a.MinCol << ',' << a.MaxCol << ',' << a.MinRow << ',' << a.MaxRow
         << " Name=" << a.Name << '\n';
}

void Printers::Player(int player) {
    const PlayerRecord& p = program_.records.documents.Shown().records.Players[player];
    out_ << "Abbrev=" << p.Abbrev << " Name=" << p.Name << " Relations=";
    for (const std::string& letter : p.Relation) {
        out_ << (letter.empty() ? '.' : letter[0]);
    }
    out_ << '\n';
}

void Printers::Orders() {
    const GameState& g = program_.records.documents.Shown().records;
    for (int slot = 1; slot <= g.OrderCount && slot <= MaxOrderSlot; ++slot) {
        const OrderSlot& o = g.Orders[slot];
        out_ << slot << ": " << (o.Code.empty() ? "." : o.Code) << ' ' << o.P1 << ' ' << o.P2 << ' '
             << o.P3 << ' ' << o.P4 << '\n';
    }
}

void Printers::Row(const GridModel& grid, int row) {
    for (int col = 0; col < grid.Cols(); ++col) {
        out_ << (col ? "|" : "") << grid.TextAt(row, col);
    }
    out_ << '\n';
}

void Printers::GridRows(ScriptArgs& args, bool oneRow) {
    const std::string target = args.Word("form.grid");
    const int row = oneRow ? args.Number("row") : 0;
    args.End();
    const auto dot = target.find('.');
    Form* form = program_.FindForm(target.substr(0, dot));
    if (form == nullptr || dot == std::string::npos) {
        throw ScriptError("no form for " + target);
    }
    const auto control = form->FindControl(target.substr(dot + 1));
    if (!control || !std::holds_alternative<GridModel*>(*control)) {
        throw ScriptError("no grid " + target);
    }
    const GridModel& grid = *std::get<GridModel*>(*control);
    if (oneRow) {
        if (row < 0 || row >= grid.Rows()) {
            throw ScriptError("no row " + std::to_string(row) + " in " + target);
        }
        Row(grid, row);
        return;
    }
    for (int r = 0; r < grid.Rows(); ++r) {
        Row(grid, r);
    }
}

void Printers::Menu(const std::string& name) {
    const MenuItemModel* item = program_.winQZ.FindMenuItem(name);
    if (item == nullptr) {
        throw ScriptError("no menu item " + name);
    }
    out_ << (item->Enabled() ? "enabled" : "disabled") << ' '
         << (item->Checked() ? "checked" : "unchecked") << '\n';
}

void Printers::Caption(const std::string& formName) {
    const Form* form = program_.FindForm(formName);
    if (const MenuItemModel* item = program_.winQZ.FindMenuItem(formName); !form && item) {
        out_ << item->Caption() << '\n';
        return;
    }
    if (form == nullptr) {
        throw ScriptError("no form " + formName);
    }
    out_ << form->caption.Text() << '\n';
}

void Printers::Settings() {
    const SettingsRecord& s = program_.records.settings;
    for (const auto& [key, value] : SettingsFileLines(s)) {
        out_ << key << '=' << value << '\n';
    }
    out_ << "NoGo=" << ColourText(s.NoGoColour) << '\n';
}

} // namespace dered
