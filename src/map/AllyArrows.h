#pragma once

#include "map/MapDrawing.h"
#include "state/AllyOrders.h"

namespace dered {

// Every loaded ally's orders on the view whose map origin is at (mapX, mapY), to be drawn
// beneath the player's own: moves, supports and convoys as dashed arrows in the ally's colour
// edged in white,
// and builds, upgrades, downgrades and removals as a mark at the area (a square, a triangle up
// or down, a cross). Each is drawn at both copies of the wrapped map.
void DrawAllyOrders(const MapDrawing& painter, const AllyOrderSets& allies, int mapX, int mapY);

} // namespace dered
