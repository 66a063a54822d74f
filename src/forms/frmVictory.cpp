#include "forms/frmVictory.h"

#include "orders/ListOrders.h"
#include "state/LeadingNumber.h"
#include "state/Numbers.h"
#include "ui/Notice.h"

#include <string>

namespace dered {

namespace {
constexpr std::array<int16_t, 2> kDefaults = {10, 300};
constexpr std::array<int, 2> kDesignPositions = {15, 300};
} // namespace

frmVictory::frmVictory(Documents& documents, Platform& platform, TurnEvents& events,
                       UndoHistory& history)
    : Form("frmVictory", "Victory Conditions"), documents_(documents), platform_(platform),
      events_(events), history_(history) {
    for (int i = 0; i < 2; ++i) {
        PlaceAfter(Frame3[i], txtVC[i]);
        PlaceAfter(txtVC[i], hsclVC[i]);
        hsclVC[i].Subscribe([this, i](const Changed&) { hsclVC_Change(i); });
    }
}

void frmVictory::Form_Load() {
    GameState& game = Game();
    for (int i = 0; i < 2; ++i) {
        hsclVC[i].SetValue(kDesignPositions[i]);
        opened_[i] = kDefaults[i];
    }
    game.PendingCommand = MapCommand::Victory;
    history_.Hold(true);
    if (const auto taken = TakeOutVictoryConditions(game)) {
        opened_ = *taken;
    }
    // The scroll bars stay where they are; only the boxes show the order's values.
    for (int i = 0; i < 2; ++i) {
        txtVC[i].SetText(std::to_string(opened_[i]));
    }
}

void frmVictory::hsclVC_Change(int Index) {
    txtVC[Index].SetText(std::to_string(hsclVC[Index].Value()));
}

int16_t frmVictory::Value(int index) const {
    int16_t value = 0;
    return NearestInt16(LeadingNumber(txtVC[index].Text()), value) ? value : opened_[index];
}

void frmVictory::Form_Unload() {
    GameState& game = Game();
    game.PendingCommand = MapCommand::None;
    Turn turn{game, events_};
    ShowNotices(platform_, PutVictoryConditions(turn, Value(0), Value(1)).notices);
    history_.Hold(false);
}

} // namespace dered
