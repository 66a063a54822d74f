#pragma once

#include <array>
#include <string_view>

namespace dered {

// What the next map click completes: an order waiting for its target, or a dialog that takes
// areas from the map while it is open.
enum class MapCommand {
    None,
    Move,           // "MO"
    SupportAttack,  // "SA"
    SupportDefence, // "SD"
    Convoy,         // "CO"
    GrantAccess,    // "GA"
    Spy,            // "SP"
    Victory,        // "VC": the victory dialog is open; map clicks do nothing
};

inline constexpr std::array<std::string_view, 8> kMapCommandCodes = {"",   "MO", "SA", "SD",
                                                                     "CO", "GA", "SP", "VC"};

constexpr std::string_view MapCommandCode(MapCommand command) {
    return kMapCommandCodes[static_cast<size_t>(command)];
}

// The command of an order code, or None for a code that waits for no click.
constexpr MapCommand MapCommandOf(std::string_view code) {
    for (size_t i = 1; i < kMapCommandCodes.size(); ++i) {
        if (kMapCommandCodes[i] == code) {
            return static_cast<MapCommand>(i);
        }
    }
    return MapCommand::None;
}

} // namespace dered
