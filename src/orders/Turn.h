#pragma once

#include "state/GameState.h"
#include "state/TurnEvents.h"
#include "ui/Platform.h"

#include <functional>

namespace dered {

// The one question a rule asks: whose attack a support attack supports.
class SupportedPlayerQuestion {
  public:
    virtual ~SupportedPlayerQuestion() = default;
    virtual bool IsAsking() const = 0;
    // `answered` runs once GameState::SupportedPlayer holds the answer.
    virtual void Ask(std::function<void()> answered) = 0;
};

// What the order rules work on: the records, where their messages go, the change signal they
// raise and the question they may ask.
struct Turn {
    GameState& game;
    Platform& platform;
    TurnEvents& events;
    SupportedPlayerQuestion& supportedPlayer;
};

} // namespace dered
