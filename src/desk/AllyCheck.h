#pragma once

#include "desk/OrderCheck.h"
#include "state/AllyOrders.h"
#include "state/GameState.h"
#include "state/TurnDocument.h"

#include <vector>

namespace dered {

// Where the player's orders and the loaded allies' orders do not go together: a support of an
// ally's attack the ally does not order, a support of an ally's unit the ally moves away, two
// moves to one area, a convoy for an ally's army that does not take it, an ally's support of an
// attack the player does not order, and an ally's move to where the player's unit stays. Each
// names both orders; none keeps the player from saving.
std::vector<Finding> CheckAgainstAllies(const GameState& turn, const AllyOrderSets& allies);

// The check before saving: the turn's own orders, then against the allies'.
std::vector<Finding> CheckTurn(const TurnDocument& document);

} // namespace dered
