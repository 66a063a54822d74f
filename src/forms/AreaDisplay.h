#pragma once

#include "state/GameState.h"
#include "ui/GridModel.h"

namespace dered {

// Columns of the main window's area grid.
enum AreaColumn {
    ColId = 0,
    ColName,
    ColOwner,
    ColTerrain,
    ColSupply,
    ColUnitOwner,
    ColUnitKind,
    ColCommand,
    ColParm1,
    ColParm2,
    AreaColumnCount
};

// "****" for the own player, else the player's short name.
std::string OwnerText(const GameState& game, int16_t player);
// Fills one row of the area grid; cells with nothing to show keep their text.
void ShowAreaRow(const GameState& game, GridModel& grdArea, int area, int row);
// Upkeep, supply and the cost of pending unit orders, from scratch.
SummaryCounters ComputeSummary(const GameState& game);
// Refills every area row, recomputes the counters and writes them to the summary grid.
void RefreshAll(GameState& game, GridModel& grdArea, GridModel& grdSummary);

} // namespace dered
