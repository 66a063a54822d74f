// The driver's words for the map window: choosing an option, clicking, double-clicking and
// dragging on the view, and printing cells and arrows.
#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "forms/MouseClicks.h"

#include <ostream>
#include <utility>

namespace dered::words {

namespace {

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

void ClickArea(Script& s, ScriptArgs& a, bool twice) {
    const int area = a.LastNumber("area");
    const auto [x, y] = CellCentre(OpenMap(s.program).canvas.Geometry(), s.program.records.settings,
                                   CellOfArea(s.program, area));
    ClickAt(s.program.map, x, y, twice);
}

float Coordinate(ScriptArgs& args, const char* what) {
    return static_cast<float>(args.Number(what));
}

void ClickPoint(Script& s, ScriptArgs& a, bool twice) {
    const float x = Coordinate(a, "x");
    const float y = Coordinate(a, "y");
    a.End();
    ClickAt(OpenMap(s.program), x, y, twice);
}

} // namespace

void MapOption(Script& s, ScriptArgs& a) {
    const std::string caption = a.LastWord("option caption");
    frmMap& map = OpenMap(s.program);
    const int index = map.optCommand.IndexOf(caption);
    if (index < 0) {
        throw ScriptError("no option button " + caption);
    }
    map.optCommand.Choose(index);
}

void MapClick(Script& s, ScriptArgs& a) {
    ClickArea(s, a, false);
}
void MapDblClick(Script& s, ScriptArgs& a) {
    ClickArea(s, a, true);
}
void MapClickAt(Script& s, ScriptArgs& a) {
    ClickPoint(s, a, false);
}
void MapDblClickAt(Script& s, ScriptArgs& a) {
    ClickPoint(s, a, true);
}

void MapRightDrag(Script& s, ScriptArgs& a) {
    const float x1 = Coordinate(a, "x1");
    const float y1 = Coordinate(a, "y1");
    const float x2 = Coordinate(a, "x2");
    const float y2 = Coordinate(a, "y2");
    a.End();
    frmMap& map = OpenMap(s.program);
    map.picView_MouseMove(0, 0, x1, y1);
    map.picView_MouseDown(kRightButton, 0, x1, y1);
    map.picView_MouseMove(kRightButton, 0, x2, y2);
    map.picView_MouseUp(kRightButton, 0, x2, y2);
}

void PrintHex(Script& s, ScriptArgs& a) {
    const int col = a.Number("column");
    const int row = a.LastNumber("row");
    if (col < 0 || col > MapColumns || row < 0 || row > MapRows) {
        throw ScriptError("no cell " + std::to_string(col) + " " + std::to_string(row));
    }
    const HexCell& cell = s.program.records.hexMap.At(col, row);
    s.out << "Area=" << cell.Area << " Borders=";
    for (size_t k = 0; k < cell.Border.size(); ++k) {
        s.out << (k ? "," : "") << cell.Border[k];
    }
    s.out << " Display=";
    for (size_t j = 0; j < cell.Display.size(); ++j) {
        s.out << (j ? "," : "") << cell.Display[j];
    }
    s.out << '\n';
}

void PrintArrows(Script& s, ScriptArgs&) {
    const auto code = [](const std::string& c) { return c.empty() ? std::string(".") : c; };
    for (const ArrowRecord& arrow : s.program.map.canvas.Arrows()) {
        s.out << arrow.a << ' ' << arrow.b << ' ' << code(arrow.codeA) << ' ' << code(arrow.codeB)
              << '\n';
    }
}

} // namespace dered::words
