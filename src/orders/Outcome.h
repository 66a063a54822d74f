#pragma once

#include "ui/Notice.h"

#include <cstdint>
#include <string>
#include <utility>

namespace dered {

// How one step of order entry ended.
enum class Ending {
    Unchanged, // nothing to do: the area already has that order, or none to withdraw
    Stored,    // the order is in the records
    Refused,   // a rule refused it and nothing changed
    Waiting,   // a first step passed: the order waits for its target
    Asking,    // the target passed: whose attack the support is for has to be asked
};

// What a step of order entry did, and what it has to tell the player, in the order to tell it.
struct Outcome {
    Ending ending = Ending::Unchanged;
    Notices notices;
    int16_t slot = 0; // a stored list order: the slot of the order list it went into

    void Say(std::string text, MsgIcon icon) { notices.push_back({std::move(text), icon}); }
    Outcome& Refuse(std::string text, MsgIcon icon = MsgIcon::Critical) {
        Say(std::move(text), icon);
        ending = Ending::Refused;
        return *this;
    }
    bool operator==(const Outcome&) const = default;
};

} // namespace dered
