#pragma once

#include "state/MapCommand.h"

#include <array>
#include <string_view>

namespace dered {

// How an order's numbers are kept in the records and written to the orders files.
enum class OrderShape {
    PlainArea,     // an area order without a target: builds, upgrade, downgrade, removal
    TargetArea,    // an area order with a target area: move, support of defence, convoy
    SupportAttack, // a target area and, when not the player's own attack, the supported player
    OnePlayer,     // a list order naming one player: the declarations
    TwoNumbers,    // a list order with two numbers: call to arms, access, victory conditions
    Spy,           // the two list slots of spy targets
};

// Everything the program knows of one kind of order, in one place.
struct OrderKind {
    std::string_view code;
    std::string_view name; // as the order reference names it: "move"
    OrderShape shape;
    MapCommand click;       // what the next map click completes; None: given at once
    int arrow;              // the entry of ArrowColour its arrow is drawn in; -1: no arrow
    std::string_view group; // its heading in the orders overview
    std::string_view needs; // the order reference: what the order needs
    std::string_view entry; // the order reference: how it is entered on the map
    std::string_view doing; // the overview: "moves to" (then the target), "Alliance with"
    std::string_view undo;  // the undo menu: "move from" (then area, join, target), "war on"
    std::string_view join;  // the undo menu, between the area and the target: " to "
};

// The area orders first, in the order of the map window's buttons, then the list orders.
inline constexpr std::array<OrderKind, 18> kOrderKinds = {{
    {"MO", "move", OrderShape::TargetArea, MapCommand::Move, 1, "Moves",
     "your unit; the target area next to it", "double-click the unit, then click the target area",
     "moves to", "move from", " to "},
    {"SA", "support attack", OrderShape::SupportAttack, MapCommand::SupportAttack, 2,
     "Supports of attacks", "your unit next to the attacked area",
     "double-click the unit, click the attacked area, then choose whose attack",
     "supports the attack on", "support attack from", " on "},
    {"SD", "support defence", OrderShape::TargetArea, MapCommand::SupportDefence, 3,
     "Supports of defence", "your unit next to the defended area",
     "double-click the unit, then click the defended area", "supports the defence of",
     "support defence from", " of "},
    {"CO", "convoy", OrderShape::TargetArea, MapCommand::Convoy, 0, "Convoys",
     "an army on a coast; a fleet or squadron in each sea on the way",
     "one order from the army to the first sea, one for each fleet to the next area: "
     "double-click the unit, then click the next area",
     "convoys to", "convoy from", " to "},
    {"DU", "downgrade", OrderShape::PlainArea, MapCommand::None, -1, "Downgrades",
     "short of supply; your army or fleet",
     "double-click the unit (an army becomes a corps, a fleet a squadron)", "is downgraded",
     "downgrade", ""},
    {"RU", "remove", OrderShape::PlainArea, MapCommand::None, -1, "Removals",
     "short of supply; your unit", "double-click the unit", "is removed", "removal", ""},
    {"AA", "add army", OrderShape::PlainArea, MapCommand::None, -1, "Builds",
     "your empty supply centre of 2; 2 free supply", "double-click the supply centre",
     "builds an army", "build an army", ""},
    {"AC", "add corps", OrderShape::PlainArea, MapCommand::None, -1, "Builds",
     "your empty supply centre; 1 free supply", "double-click the supply centre", "builds a corps",
     "build a corps", ""},
    {"AF", "add fleet", OrderShape::PlainArea, MapCommand::None, -1, "Builds",
     "your empty coastal supply centre of 2; 2 free supply", "double-click the supply centre",
     "builds a fleet", "build a fleet", ""},
    {"AS", "add squadron", OrderShape::PlainArea, MapCommand::None, -1, "Builds",
     "your empty coastal supply centre; 1 free supply", "double-click the supply centre",
     "builds a squadron", "build a squadron", ""},
    {"UU", "upgrade", OrderShape::PlainArea, MapCommand::None, -1, "Upgrades",
     "your corps or squadron on a supply centre; 1 free supply", "double-click the unit",
     "is upgraded", "upgrade", ""},
    {"DA", "alliance", OrderShape::OnePlayer, MapCommand::None, -1, "Declarations", "", "",
     "Alliance with", "alliance with", ""},
    {"DN", "neutrality", OrderShape::OnePlayer, MapCommand::None, -1, "Declarations", "", "",
     "Neutrality towards", "neutrality towards", ""},
    {"DW", "war", OrderShape::OnePlayer, MapCommand::None, -1, "Declarations", "", "", "War on",
     "war on", ""},
    {"CA", "call to arms", OrderShape::TwoNumbers, MapCommand::None, -1, "Calls to arms", "", "",
     "Call to arms:", "call to arms of", " against "},
    {"GA", "grant access", OrderShape::TwoNumbers, MapCommand::GrantAccess, -1, "Grants of access",
     "", "", "Access for", "access for", " to "},
    {"SP", "spy", OrderShape::Spy, MapCommand::Spy, -1, "Spies", "", "", "Spies in", "spies", ""},
    {"VC", "victory conditions", OrderShape::TwoNumbers, MapCommand::Victory, -1,
     "Victory conditions", "", "", "Victory conditions:", "victory conditions", ""},
}};

// The area orders: the first entries of the table.
inline constexpr size_t kAreaOrderKinds = 11;

// The kind of an order code, or null for a code the program does not know.
constexpr const OrderKind* FindOrderKind(std::string_view code) {
    for (const OrderKind& kind : kOrderKinds) {
        if (kind.code == code) {
            return &kind;
        }
    }
    return nullptr;
}

// The codes by name, for the code that handles one kind of order in its own way.
struct OrderCode {
    static constexpr std::string_view Move = kOrderKinds[0].code;
    static constexpr std::string_view SupportAttack = kOrderKinds[1].code;
    static constexpr std::string_view SupportDefence = kOrderKinds[2].code;
    static constexpr std::string_view Convoy = kOrderKinds[3].code;
    static constexpr std::string_view Downgrade = kOrderKinds[4].code;
    static constexpr std::string_view Remove = kOrderKinds[5].code;
    static constexpr std::string_view AddArmy = kOrderKinds[6].code;
    static constexpr std::string_view AddCorps = kOrderKinds[7].code;
    static constexpr std::string_view AddFleet = kOrderKinds[8].code;
    static constexpr std::string_view AddSquadron = kOrderKinds[9].code;
    static constexpr std::string_view Upgrade = kOrderKinds[10].code;
    static constexpr std::string_view Alliance = kOrderKinds[11].code;
    static constexpr std::string_view Neutrality = kOrderKinds[12].code;
    static constexpr std::string_view War = kOrderKinds[13].code;
    static constexpr std::string_view CallToArms = kOrderKinds[14].code;
    static constexpr std::string_view GrantAccess = kOrderKinds[15].code;
    static constexpr std::string_view Spy = kOrderKinds[16].code;
    static constexpr std::string_view Victory = kOrderKinds[17].code;
};
static_assert(OrderCode::Upgrade == "UU" && OrderCode::Alliance == "DA" &&
              OrderCode::Victory == "VC");

// The code of the order a map command waits for, or "" for none.
constexpr std::string_view MapCommandCode(MapCommand command) {
    for (const OrderKind& kind : kOrderKinds) {
        if (command != MapCommand::None && kind.click == command) {
            return kind.code;
        }
    }
    return {};
}

// The command of an order code, or None for a code that waits for no click.
constexpr MapCommand MapCommandOf(std::string_view code) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr ? kind->click : MapCommand::None;
}

constexpr bool HasShape(std::string_view code, OrderShape shape) {
    const OrderKind* kind = FindOrderKind(code);
    return kind != nullptr && kind->shape == shape;
}

// The overview's headings, in the order it lists them.
inline constexpr std::array<std::string_view, 8> kAreaOrderGroups = {"Moves",
                                                                     "Supports of attacks",
                                                                     "Supports of defence",
                                                                     "Convoys",
                                                                     "Builds",
                                                                     "Upgrades",
                                                                     "Downgrades",
                                                                     "Removals"};
inline constexpr std::array<std::string_view, 5> kListOrderGroups = {
    "Declarations", "Calls to arms", "Grants of access", "Spies", "Victory conditions"};

} // namespace dered
