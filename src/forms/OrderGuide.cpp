#include "forms/OrderGuide.h"

#include "orders/AreaOrders.h"
#include "state/Numbers.h"

namespace dered {

namespace {

constexpr std::array<OrderKindGuide, 12> kGuides = {{
    {"MO", "move", "your unit; the target area next to it",
     "double-click the unit, then click the target area"},
    {"SA", "support attack", "your unit next to the attacked area",
     "double-click the unit, click the attacked area, then choose whose attack"},
    {"SD", "support defence", "your unit next to the defended area",
     "double-click the unit, then click the defended area"},
    {"CO", "convoy", "an army on a coast; a fleet or squadron in each sea on the way",
     "one order from the army to the first sea, one for each fleet to the next area: "
     "double-click the unit, then click the next area"},
    {"DU", "downgrade", "short of supply; your army or fleet",
     "double-click the unit (an army becomes a corps, a fleet a squadron)"},
    {"RU", "remove", "short of supply; your unit", "double-click the unit"},
    {"AA", "add army", "your empty supply centre of 2; 2 free supply",
     "double-click the supply centre"},
    {"AC", "add corps", "your empty supply centre; 1 free supply",
     "double-click the supply centre"},
    {"AF", "add fleet", "your empty coastal supply centre of 2; 2 free supply",
     "double-click the supply centre"},
    {"AS", "add squadron", "your empty coastal supply centre; 1 free supply",
     "double-click the supply centre"},
    {"UU", "upgrade", "your corps or squadron on a supply centre; 1 free supply",
     "double-click the unit"},
    {"Cancel", "cancel the order", "an area with an order", "double-click the area"},
}};

std::string AreaLabel(const GameState& game, int16_t area) {
    const int16_t a = AreaOrNone(area);
    std::string label = std::to_string(a);
    if (!game.Areas[a].Name.empty()) {
        label += " " + game.Areas[a].Name;
    }
    return label;
}

} // namespace

const std::array<OrderKindGuide, 12>& OrderKindGuides() {
    return kGuides;
}

std::string OrderTooltip(size_t option) {
    if (option >= kGuides.size()) {
        return {};
    }
    const OrderKindGuide& guide = kGuides[option];
    return std::string(guide.code) + ": " + std::string(guide.name) + " - " +
           std::string(guide.entry);
}

std::string OrderReferenceText() {
    std::string text = "Choose an order kind on the map window, then enter it with the mouse.\n"
                       "Esc cancels an order being entered. Right-drag moves the map.\n\n";
    for (const OrderKindGuide& guide : kGuides) {
        text += std::string(guide.code) + "  " + std::string(guide.name) + "\n";
        text += "    needs: " + std::string(guide.needs) + "\n";
        text += "    enter: " + std::string(guide.entry) + "\n";
    }
    return text;
}

std::string NextClickText(const GameState& game, size_t chosenOption) {
    if (game.ReadOnly) {
        return "An earlier turn, read-only: no orders are entered";
    }
    const std::string from = AreaLabel(game, game.SelectedArea);
    switch (game.PendingCommand) {
    case MapCommand::Move:
        return "Move from " + from + ": click the target area; Esc cancels";
    case MapCommand::SupportAttack:
        return "Support attack from " + from + ": click the attacked area; Esc cancels";
    case MapCommand::SupportDefence:
        return "Support defence from " + from + ": click the defended area; Esc cancels";
    case MapCommand::Convoy:
        return "Convoy from " + from + ": click the next area on the way; Esc cancels";
    case MapCommand::GrantAccess:
        return "Grant access: click the area";
    case MapCommand::Spy:
        return "Spy: click the areas to spy on";
    case MapCommand::Victory:
        return "Victory conditions open: map clicks do nothing";
    case MapCommand::None:
        break;
    }
    if (chosenOption >= kGuides.size()) {
        return {};
    }
    const OrderKindGuide& guide = kGuides[chosenOption];
    return std::string(guide.code) + " (" + std::string(guide.name) +
           "): " + std::string(guide.entry);
}

} // namespace dered
