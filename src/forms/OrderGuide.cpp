#include "forms/OrderGuide.h"

#include "orders/AreaOrders.h"
#include "state/Numbers.h"
#include "state/OrderKinds.h"

namespace dered {

namespace {

// The area orders of the one table, then the Cancel button.
constexpr std::array<OrderKindGuide, 12> MakeGuides() {
    std::array<OrderKindGuide, 12> guides{};
    for (size_t i = 0; i < kAreaOrderKinds; ++i) {
        const OrderKind& kind = kOrderKinds[i];
        guides[i] = {kind.code, kind.name, kind.needs, kind.entry};
    }
    guides[kAreaOrderKinds] = {"Cancel", "cancel the order", "an area with an order",
                               "double-click the area"};
    return guides;
}

constexpr std::array<OrderKindGuide, 12> kGuides = MakeGuides();

std::string AreaLabel(const GameState& game, int16_t area) {
    const int16_t a = AreaOrNone(area);
    std::string label = std::to_string(a);
    if (!game.Areas[a].Name.empty()) {
        label += " " + game.Areas[a].Name;
    }
    return label;
}

constexpr const char* kTypingOrders =
    "\nTyping orders\n"
    "Ctrl+E (Edit > Type an Order) puts the keyboard in the map window's order field. Type the\n"
    "order and press Enter: it goes through the same checks and messages as with the mouse, and\n"
    "one Undo takes it back. Type it as the game master reads it, the code and the numbers:\n"
    "    MO 118 134        SD 105 118        SA 105 106 2      AA 134\n"
    "(the third number of SA is the player whose attack is supported; leave it out for your\n"
    "own), or with area names or numbers:\n"
    "    Ostisoth - Belanmar                 move\n"
    "    Kestowen supports Ostisoth          support the defence of Ostisoth\n"
    "    Kestowen supports Ostisoth - Lower Halisdor\n"
    "                                        support the attack from Ostisoth on Lower Halisdor\n"
    "    Belanmar convoys Belanmar Strait    convoy to the next area of the chain\n"
    "    Belanmar builds army (corps, fleet, squadron)\n"
    "    Kestowen upgrades / downgrades / removes / cancels\n"
    "The orders of the Command menu are typed the same two ways, with players by number,\n"
    "short name or name:\n"
    "    DA 1    DN 6    DW 2    CA 5 6    GA 5 105    GA 5 ALL    SP 118 134    VC 20 400\n"
    "    alliance with Aldmark Republic      neutrality towards SAL      war on 2\n"
    "    call to arms of Brimwend Union against Salorn Dominion\n"
    "    access for Brimwend Union to Kestowen (or to all)\n"
    "    spies in Ostisoth, Kestowen         victory conditions 20 400\n"
    "They pass the checks of their windows; each spy target takes the first free place.\n"
    "Case does not matter, and a name may be cut short while only one area starts so; the\n"
    "field offers the names as you type.\n";

} // namespace

const std::array<OrderKindGuide, 12>& OrderKindGuides() {
    return kGuides;
}

std::string OrderTooltip(size_t option) {
    if (option >= kGuides.size()) {
        return {};
    }
    const OrderKindGuide& guide = kGuides[option];
    std::string tooltip(guide.code);
    tooltip.append(": ").append(guide.name).append(" - ").append(guide.entry);
    return tooltip;
}

// Every window is built anew for each script the batch driver runs: appended in place.
std::string OrderReferenceText() {
    std::string text;
    text.reserve(4096);
    text.append("Choose an order kind on the map window, then enter it with the mouse.\n"
                "Esc cancels an order being entered. Right-drag moves the map.\n\n");
    for (const OrderKindGuide& guide : kGuides) {
        text.append(guide.code).append("  ").append(guide.name).append("\n");
        text.append("    needs: ").append(guide.needs).append("\n");
        text.append("    enter: ").append(guide.entry).append("\n");
    }
    text.append(kTypingOrders);
    return text;
}

std::string MapCaption(const TurnDocument& shown) {
    return shown.ReadOnly() ? "Map - earlier turn, read-only" : "Map";
}

std::string NextClickText(const TurnDocument& shown, size_t chosenOption) {
    if (shown.ReadOnly()) {
        return "An earlier turn, read-only: no orders are entered";
    }
    const GameState& game = shown.records;
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
