#pragma once

#include "map/Geometry.h"

namespace dered {

class Program;

// The main window's menu items that change the map or the way it is drawn.
void mnuEditHex_Click(Program& program);
void mnuHex_Click(Program& program);
void mnuZoom_Click(Program& program);
void mnuMapColors_Click(Program& program);
void mnuTypeofUnitDisplay_Click(Program& program);

// Fills the hex editor from the cell and shows it; when it closes, the cell is drawn afresh at
// both edges of the map picture and the view refreshed.
void EditCell(Program& program, CellRef cell);

} // namespace dered
