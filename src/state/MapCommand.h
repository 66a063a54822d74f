#pragma once

namespace dered {

// What the next map click completes: an order waiting for its target, or a dialog that takes
// areas from the map while it is open.
enum class MapCommand {
    None,
    Move,
    SupportAttack,
    SupportDefence,
    Convoy,
    GrantAccess,
    Spy,
    Victory, // the victory dialog is open; map clicks do nothing
};

} // namespace dered
