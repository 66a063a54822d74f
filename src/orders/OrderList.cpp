#include "orders/OrderList.h"
#include "state/OrderKinds.h"

#include <cctype>

namespace dered {

namespace {

bool ValidPlayer(int16_t p) {
    return p >= 0 && p <= MaxPlayer;
}

bool RelationIs(const GameState& game, int16_t from, int16_t to, char letter) {
    if (!ValidPlayer(from) || to < 0 || to >= RelationSlots) {
        return false;
    }
    const std::string& r = game.Players[from].Relation[to];
    return !r.empty() && std::toupper(static_cast<unsigned char>(r[0])) == letter;
}

bool HasListOrder(const GameState& game, std::string_view code, int16_t player) {
    for (int slot = 1; slot <= game.OrderCount && slot <= MaxOrderSlot; ++slot) {
        if (game.Orders[slot].Code == code && game.Orders[slot].P1 == player) {
            return true;
        }
    }
    return false;
}

} // namespace

AddedOrder AddOrder(GameState& game, std::string_view code, int16_t p1, int16_t p2, int16_t p3,
                    int16_t p4) {
    // Slots 1 and 2 belong to the spy orders, even before a report set the count to 2.
    if (game.OrderCount < 2) {
        game.OrderCount = 2;
    }
    int16_t slot = 0;
    for (int16_t s = 3; s <= game.OrderCount && s <= MaxOrderSlot; ++s) {
        if (game.Orders[s].Code.empty()) {
            slot = s;
            break;
        }
    }
    if (slot == 0) {
        if (game.OrderCount >= MaxOrderSlot) {
            return {0, {{kOrderListFull, MsgIcon::Critical}}};
        }
        slot = ++game.OrderCount;
    }
    game.Orders[slot] = OrderSlot{std::string(code), 0, p1, p2, p3, p4};
    return {slot, {}};
}

void DeleteOrder(GameState& game, int16_t slot) {
    if (slot < 0 || slot > MaxOrderSlot) {
        return;
    }
    game.Orders[slot] = OrderSlot{};
}

bool HasAllyOrder(const GameState& game, int16_t player) {
    return HasListOrder(game, OrderCode::Alliance, player);
}

bool HasWarOrder(const GameState& game, int16_t player) {
    return HasListOrder(game, OrderCode::War, player);
}

bool IsAllied(const GameState& game, int16_t p, int16_t q) {
    return RelationIs(game, p, q, 'A') && RelationIs(game, q, p, 'A');
}

bool IsAtWar(const GameState& game, int16_t p, int16_t q) {
    return RelationIs(game, p, q, 'W') || RelationIs(game, q, p, 'W');
}

} // namespace dered
