#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dered {

// One area order of an ally, as the ally's file gives it.
struct AllyAreaOrder {
    int16_t area = 0;
    std::string code;
    int16_t parm1 = 0;
    int16_t parm2 = 0;
    bool operator==(const AllyAreaOrder&) const = default;
};

// An ally's orders for the open turn. They are shown and checked against the player's own,
// never written, undone or kept for recovery.
struct AllyOrders {
    int16_t player = 0;
    std::string path;                      // the file they were read from, read again on reload
    std::vector<AllyAreaOrder> areaOrders; // by area
    std::vector<OrderSlot> listOrders;     // the two spy slots first, then the list orders

    // The order given from area, or null.
    const AllyAreaOrder* OrderAt(int16_t area) const;
    bool operator==(const AllyOrders&) const = default;
};

// Whether the turn's records show the ally where the order is given from: its unit there, or
// for a build its own centre. Not so for a file of another turn, or for an area that the
// reports read do not show.
bool FitsTheTurn(const GameState& turn, int16_t player, const AllyAreaOrder& order);

// The allies' orders loaded into one turn, one set per ally, by player.
class AllyOrderSets {
  public:
    const std::vector<AllyOrders>& All() const { return sets_; }
    const AllyOrders* Find(int16_t player) const;
    bool Empty() const { return sets_.empty(); }
    // Replaces the ally's earlier set, if any.
    void Put(AllyOrders orders);
    // False when no set of that player is loaded.
    bool Remove(int16_t player);

  private:
    std::vector<AllyOrders> sets_;
};

} // namespace dered
