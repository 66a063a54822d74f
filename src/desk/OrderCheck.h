#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

enum class FindingKind {
    NoOrder,
    Collide,
    Blocked,
    Convoy,
    Supply,
    // Against an ally's orders.
    AllySupport,
    AllyAway,
    AllyCollide,
    AllyConvoy,
    AllyBlocked,
};

// One thing the check before saving found, at the area it names first.
struct Finding {
    int16_t area = 0;
    FindingKind kind = FindingKind::NoOrder;
    std::string text;
    bool operator==(const Finding&) const = default;
};

// "noorder", "collide", "blocked", "convoy", "supply", and "ally-support", "ally-away",
// "ally-collide", "ally-convoy", "ally-blocked".
std::string_view FindingWord(FindingKind kind);

// What the turn's own orders leave open, by kind and then by area. Only what the records prove:
// the orders of other players' units are unknown, so a chain through them is never judged.
std::vector<Finding> CheckOrders(const GameState& game);

} // namespace dered
