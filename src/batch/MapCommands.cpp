// The driver's words for the map window: choosing an option, clicking, double-clicking and
// dragging on the view, and printing cells and arrows.
#include "app/Program.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "forms/MouseClicks.h"

#include <ostream>
#include <utility>

namespace dered {

namespace {

frmMap& OpenMap(Program& program) {
    if (!program.map.IsLoaded()) {
        throw ScriptError("the map window is not open");
    }
    return program.map;
}

// The cell a click on an area aims at: its anchor, else its first cell column by column.
// Area 0 is a cell that belongs to no area; a map without one has no such point.
CellRef CellOfArea(const Program& program, int area) {
    if (area < 0 || area > MaxArea) {
        throw ScriptError("no area " + std::to_string(area));
    }
    const int16_t n = static_cast<int16_t>(area);
    const HexMap& hexMap = program.records.hexMap;
    std::optional<CellRef> cell;
    if (n > 0) {
        cell = AreaAnchor(program.records.documents.Shown().records.Areas[n], n, hexMap);
    }
    if (!cell) {
        cell = FirstCellOfArea(hexMap, n);
    }
    if (!cell) {
        throw ScriptError(n == 0 ? std::string("the map has no point on no area")
                                 : "area " + std::to_string(area) + " has no cell on the map");
    }
    return *cell;
}

std::pair<float, float> PointOfArea(Program& program, int area) {
    return CellCentre(OpenMap(program).canvas.Geometry(), program.records.settings,
                      CellOfArea(program, area));
}

void RightDrag(frmMap& map, float x1, float y1, float x2, float y2) {
    map.picView_MouseMove(0, 0, x1, y1);
    map.picView_MouseDown(kRightButton, 0, x1, y1);
    map.picView_MouseMove(kRightButton, 0, x2, y2);
    map.picView_MouseUp(kRightButton, 0, x2, y2);
}

float Coordinate(ScriptArgs& args, const char* what) {
    return static_cast<float>(args.Number(what));
}

void MapWord(Program& program, ScriptArgs& args) {
    const std::string action = args.Word("map action");
    if (action == "option") {
        const std::string caption = args.Word("option caption");
        args.End();
        frmMap& map = OpenMap(program);
        const int index = map.optCommand.IndexOf(caption);
        if (index < 0) {
            throw ScriptError("no option button " + caption);
        }
        map.optCommand.Choose(index);
    } else if (action == "click" || action == "dblclick") {
        const int area = args.Number("area");
        args.End();
        const auto [x, y] = PointOfArea(program, area);
        ClickAt(program.map, x, y, action == "dblclick");
    } else if (action == "clickat" || action == "dblclickat") {
        const float x = Coordinate(args, "x");
        const float y = Coordinate(args, "y");
        args.End();
        ClickAt(OpenMap(program), x, y, action == "dblclickat");
    } else if (action == "rightdrag") {
        const float x1 = Coordinate(args, "x1");
        const float y1 = Coordinate(args, "y1");
        const float x2 = Coordinate(args, "x2");
        const float y2 = Coordinate(args, "y2");
        args.End();
        RightDrag(OpenMap(program), x1, y1, x2, y2);
    } else {
        throw ScriptError("map knows option, click, dblclick, clickat, dblclickat and "
                          "rightdrag, not " +
                          action);
    }
}

void PrintHex(Program& program, std::ostream& out, ScriptArgs& args) {
    const int col = args.Number("column");
    const int row = args.Number("row");
    args.End();
    if (col < 0 || col > MapColumns || row < 0 || row > MapRows) {
        throw ScriptError("no cell " + std::to_string(col) + " " + std::to_string(row));
    }
    const HexCell& cell = program.records.hexMap.At(col, row);
    out << "Area=" << cell.Area << " Borders=";
    for (size_t k = 0; k < cell.Border.size(); ++k) {
        out << (k ? "," : "") << cell.Border[k];
    }
    out << " Display=";
    for (size_t j = 0; j < cell.Display.size(); ++j) {
        out << (j ? "," : "") << cell.Display[j];
    }
    out << '\n';
}

void PrintArrows(Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    const auto code = [](const std::string& c) { return c.empty() ? std::string(".") : c; };
    for (const ArrowRecord& arrow : program.map.canvas.Arrows()) {
        out << arrow.a << ' ' << arrow.b << ' ' << code(arrow.codeA) << ' ' << code(arrow.codeB)
            << '\n';
    }
}

} // namespace

void AddMapCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    std::ostream& out = runner.out();
    runner.AddCommand("map", [&program](ScriptArgs& args) { MapWord(program, args); });
    runner.AddPrint("hex", [&program, &out](ScriptArgs& args) { PrintHex(program, out, args); });
    runner.AddPrint("arrows",
                    [&program, &out](ScriptArgs& args) { PrintArrows(program, out, args); });
}

} // namespace dered
