#include "state/GameState.h"

namespace dered {

GameState FreshTurn(const GameState& left) {
    GameState fresh;
    for (int a = 1; a <= MaxArea; ++a) {
        const AreaRecord& from = left.Areas[a];
        AreaRecord& to = fresh.Areas[a];
        to.Terrain = from.Terrain;
        to.Supply = from.Supply;
        to.HomeCentre = from.HomeCentre;
        to.Neighbour = from.Neighbour;
        to.Name = from.Name;
        to.MinCol = from.MinCol;
        to.MaxCol = from.MaxCol;
        to.MinRow = from.MinRow;
        to.MaxRow = from.MaxRow;
    }
    fresh.MapDir = left.MapDir;
    fresh.UnitDisplayMode = left.UnitDisplayMode;
    return fresh;
}

} // namespace dered
