#pragma once

#include <functional>

namespace dered {

// The one question of order entry: whose attack a support attack supports.
class SupportedPlayerQuestion {
  public:
    virtual ~SupportedPlayerQuestion() = default;
    virtual bool IsAsking() const = 0;
    // `answered` runs once GameState::SupportedPlayer holds the answer.
    virtual void Ask(std::function<void()> answered) = 0;
};

} // namespace dered
