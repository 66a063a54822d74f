#pragma once

#include "state/TurnDocument.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

// The orders of the kinds a dialog lists, as it last filled its lists from them, so that the
// dialog refills them only when they changed behind its back (an undo, another dialog).
class ListedOrders {
  public:
    ListedOrders(const Documents& documents, std::initializer_list<std::string_view> codes)
        : documents_(documents), codes_(codes.begin(), codes.end()) {}
    void Take() { seen_ = Game().Orders; }
    // A change the dialog makes itself and lists on its own: the event it raises is not one to
    // refill the lists for.
    template <class Change> auto Own(Change&& change) {
        owning_ = true;
        auto result = change();
        owning_ = false;
        Take();
        return result;
    }
    bool Changed() const {
        if (owning_) {
            return false;
        }
        for (int slot = 0; slot <= MaxOrderSlot; ++slot) {
            const OrderSlot& now = Game().Orders[slot];
            if (now != seen_[slot] && (Listed(now) || Listed(seen_[slot]))) {
                return true;
            }
        }
        return false;
    }

  private:
    bool Listed(const OrderSlot& order) const {
        return std::find(codes_.begin(), codes_.end(), order.Code) != codes_.end();
    }

    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    std::vector<std::string_view> codes_;
    std::array<OrderSlot, MaxOrderSlot + 1> seen_{};
    bool owning_ = false;
};

} // namespace dered
