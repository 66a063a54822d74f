#pragma once

#include "state/TurnDocument.h"

#include <array>
#include <string>
#include <string_view>

namespace dered {

// One order kind of the map window's option row, as a player looks it up.
struct OrderKindGuide {
    std::string_view code;  // the option button's caption
    std::string_view name;  // "move"
    std::string_view needs; // what must be true for the rules to take it
    std::string_view entry; // how it is entered with the mouse
};

// In the order of the option buttons.
const std::array<OrderKindGuide, 12>& OrderKindGuides();

// The option button's tooltip: "MO: move - double-click the unit, then click the target area".
std::string OrderTooltip(size_t option);

// Every order kind, what it needs and how it is entered, as plain text lines.
std::string OrderReferenceText();

// What the next map click does: the order waiting for its target, or what a double click does
// with the chosen option.
std::string NextClickText(const TurnDocument& shown, size_t chosenOption);
// The map window's title: it says when the turn takes no orders.
std::string MapCaption(const TurnDocument& shown);

} // namespace dered
