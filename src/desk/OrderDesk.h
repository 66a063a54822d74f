#pragma once

#include "orders/Outcome.h"
#include "state/OrderKinds.h"

#include <cstdint>
#include <optional>

namespace dered {

struct Turn;

// Where every area order enters the records, whether clicked, typed or scripted: the rule of
// each kind of order in one table. Nothing here reads the order-entry state or shows a message;
// each step gives back what happened.

// The double click: an order decided at once, or the first step of one that waits for its
// target (Ending::Waiting).
[[nodiscard]] Outcome BeginOrder(Turn& turn, const OrderKind& kind, int16_t area);
// The target of a waiting order. A support attack with no supported player yet only checks the
// target and asks whose attack it supports (Ending::Asking).
[[nodiscard]] Outcome CompleteOrder(Turn& turn, const OrderKind& kind, int16_t area, int16_t target,
                                    std::optional<int16_t> supported = {});
// "Cancel" chosen and the area double-clicked: its order is withdrawn.
[[nodiscard]] Outcome WithdrawOrder(Turn& turn, int16_t area);

} // namespace dered
