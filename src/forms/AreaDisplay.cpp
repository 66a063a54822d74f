#include "forms/AreaDisplay.h"

#include "state/CodeTables.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

#include <string>

namespace dered {

namespace {

const PlayerRecord* PlayerAt(const GameState& game, int16_t player) {
    return player >= 0 && player <= MaxPlayer ? &game.Players[player] : nullptr;
}

int16_t CommandCost(const std::string& command) {
    if (command == OrderCode::AddArmy || command == OrderCode::AddFleet) {
        return 2;
    }
    if (command == OrderCode::AddCorps || command == OrderCode::AddSquadron) {
        return 1;
    }
    return 0;
}

int16_t UnitOrderEffect(const std::string& command, int16_t unitSize) {
    if (command == OrderCode::Upgrade) {
        return -1;
    }
    if (command == OrderCode::Downgrade) {
        return 1;
    }
    if (command == OrderCode::Remove) {
        return unitSize;
    }
    return 0;
}

} // namespace

std::string OwnerText(const GameState& game, int16_t player) {
    if (player == game.OwnPlayer) {
        return "****";
    }
    const PlayerRecord* record = PlayerAt(game, player);
    return record ? record->Abbrev : std::string{};
}

void ShowAreaRow(const GameState& game, GridModel& grdArea, int area, int row) {
    const AreaRecord& a = game.Areas[area];
    SetGridCell(grdArea, row, ColId, std::to_string(area));
    SetGridCell(grdArea, row, ColName, a.Name);
    if (a.Owner == game.OwnPlayer || a.Owner != game.PlayerCount) {
        SetGridCell(grdArea, row, ColOwner, OwnerText(game, a.Owner));
    }
    SetGridCell(grdArea, row, ColTerrain, std::string(TerrainWord(a.Terrain)));
    if (a.Supply > 0) {
        SetGridCell(grdArea, row, ColSupply, std::to_string(a.Supply));
    }
    if (a.UnitOwner == game.OwnPlayer || a.UnitKind > 0) {
        SetGridCell(grdArea, row, ColUnitOwner, OwnerText(game, a.UnitOwner));
    }
    if (a.UnitKind >= 1 && a.UnitKind <= 4) {
        SetGridCell(grdArea, row, ColUnitKind, std::string(UnitWord(a.UnitKind)));
    }
    if (!a.Command.empty()) {
        SetGridCell(grdArea, row, ColCommand, a.Command);
    }
    if (a.Parm1 != 0) {
        SetGridCell(grdArea, row, ColParm1, std::to_string(a.Parm1));
    }
    if (a.Parm2 != 0) {
        SetGridCell(grdArea, row, ColParm2, std::to_string(a.Parm2));
    }
}

SummaryCounters ComputeSummary(const GameState& game) {
    SummaryCounters s;
    for (int area = 1; area <= MaxArea; ++area) {
        const AreaRecord& a = game.Areas[area];
        if (a.Owner == game.OwnPlayer) {
            s.MaxSupply = Add16(s.MaxSupply, a.Supply);
            s.FreeSupply = Add16(s.FreeSupply, a.Supply);
            int16_t& count = a.Terrain == Water ? s.WaterCount : s.LandCount;
            count = Add16(count, 1);
            s.FreeSupply = Add16(s.FreeSupply, -CommandCost(a.Command));
        }
        if (a.UnitOwner == game.OwnPlayer && a.UnitKind >= Army && a.UnitKind <= Squadron) {
            int16_t* counts[] = {&s.ArmyCount, &s.CorpsCount, &s.FleetCount, &s.SquadronCount};
            *counts[a.UnitKind - 1] = Add16(*counts[a.UnitKind - 1], 1);
            const int16_t size = UnitKindSize(a.UnitKind);
            s.FreeSupply = Add16(s.FreeSupply, -size);
            s.FreeSupply = Add16(s.FreeSupply, UnitOrderEffect(a.Command, size));
        }
    }
    return s;
}

void RefreshAll(GameState& game, GridModel& grdArea, GridModel& grdSummary) {
    grdArea.SetRows(MaxArea + 1);
    for (int area = 1; area <= MaxArea; ++area) {
        ShowAreaRow(game, grdArea, area, area);
    }
    game.Summary = ComputeSummary(game);
    const SummaryCounters& s = game.Summary;
    const int16_t figures[] = {s.ArmyCount, s.CorpsCount, s.FleetCount, s.SquadronCount,
                               s.LandCount, s.WaterCount, s.MaxSupply,  s.FreeSupply};
    for (int row = 0; row < 8; ++row) {
        SetGridCell(grdSummary, row, 1, std::to_string(figures[row]));
    }
}

} // namespace dered
