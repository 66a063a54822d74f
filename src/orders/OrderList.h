#pragma once

#include "state/GameState.h"
#include "ui/Notice.h"

#include <cstdint>
#include <string>

namespace dered {

// The slot a list order went into, or 0 with the refusal to show.
struct AddedOrder {
    int16_t slot = 0;
    Notices refusal;
};

// Puts an order into the first free slot from 3 upward, or a new last slot. Refused when all
// 100 slots are in use; nothing is stored then.
[[nodiscard]] AddedOrder AddOrder(GameState& game, std::string_view code, int16_t p1, int16_t p2,
                                  int16_t p3, int16_t p4);
void DeleteOrder(GameState& game, int16_t slot);

bool HasAllyOrder(const GameState& game, int16_t player);
bool HasWarOrder(const GameState& game, int16_t player);
bool IsAllied(const GameState& game, int16_t p, int16_t q);
bool IsAtWar(const GameState& game, int16_t p, int16_t q);

inline constexpr const char* kOrderListFull =
    "No room for more orders: all 100 order slots are in use";

} // namespace dered
