#pragma once

#include "orders/Turn.h"
#include "state/Records.h"
#include "support/GameFixture.h"

#include <functional>
#include <vector>

namespace dered::test {

// Answers the supported-player question at once with `answer`, or holds it when none is set.
class FakeQuestion : public SupportedPlayerQuestion {
  public:
    explicit FakeQuestion(GameState& game) : game_(game) {}
    bool IsAsking() const override { return static_cast<bool>(held); }
    void Ask(std::function<void()> answered) override {
        ++asked;
        held = std::move(answered);
    }
    // Gives the answer to the held question.
    void Answer(int16_t player) {
        game_.SupportedPlayer = player;
        std::exchange(held, {})();
    }
    int asked = 0;
    std::function<void()> held;

  private:
    GameState& game_;
};

struct TurnStorage {
    RecordingPlatform platform;
    Records records;
    GameState& game = records.game;
    TurnEvents events;
    FakeQuestion question{game};
    Turn turn{game, platform, events, question};
    std::vector<TurnChange> changes;
    int subscription = events.Subscribe([this](const TurnChange& c) { changes.push_back(c); });
};

// The order rules on their own: the records, a recording platform and the recorded changes.
class TurnFixture : public GameFixture<TurnStorage> {
  protected:
    using Changes = std::vector<TurnChange>;
    static TurnChange Stored(int16_t area) { return {TurnChange::Kind::OrderStored, area}; }
    static TurnChange Settled(int16_t area) { return {TurnChange::Kind::AreaSettled, area}; }
    static TurnChange SupplyChanged() { return {TurnChange::Kind::FreeSupplyChanged, 0}; }

    // The changes raised since the last call.
    Changes TakeChanges() { return std::exchange(changes, {}); }
};

} // namespace dered::test
