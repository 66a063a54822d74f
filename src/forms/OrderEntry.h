#pragma once

#include "desk/TypedOrder.h"
#include "orders/Outcome.h"
#include "orders/Turn.h"
#include "state/OrderKinds.h"
#include "state/TurnDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dered {

class Platform;
class SupportedPlayerQuestion;
struct Turn;

// The map window's order entry: what a double click and a target click do with the chosen
// option button. The orders go through the desk; what it gives back is shown here, after the
// entry state (PendingCommand, SelectedArea) is settled, so that the map redrawn for the
// order never shows a wait that has ended.
class OrderEntry {
  public:
    // The option button after the area orders: the area's order is withdrawn.
    static constexpr int kWithdrawOption = static_cast<int>(kAreaOrderKinds);

    // The option buttons' captions.
    static std::vector<std::string> OptionCaptions();

    OrderEntry(Documents& documents, TurnEvents& events, Platform& platform,
               SupportedPlayerQuestion& question);

    // The double click on `area` with option button `option` chosen. False when the turn is
    // read-only: that has been said and nothing was tried.
    bool Begin(int option, int16_t area);
    // The click on `target` while a move, support or convoy waits for it. A support attack
    // given `supported` does not ask whose attack it is.
    void Complete(int16_t target, std::optional<int16_t> supported = std::nullopt);
    // A typed order: an area order as the double click on its area with its kind chosen, then
    // its target, by the same steps and with the same messages as with the mouse; a list order
    // by the rule its window uses.
    void Enter(const TypedOrder& order);
    // Drops the order waiting for its target; false when none waits.
    bool Cancel();

  private:
    void Show(const Outcome& outcome);
    void EnterList(const OrderKind& kind, const std::vector<int16_t>& numbers);

    // The rules work on the turn on screen; a read-only one never reaches them.
    Turn ShownTurn() { return {documents_.Shown().records, events_}; }

    Documents& documents_;
    TurnEvents& events_;
    Platform& platform_;
    SupportedPlayerQuestion& question_;
};

// The kind of order a pending map command completes, or null.
const OrderKind* KindWaitingFor(MapCommand command);

} // namespace dered
