#include "orders/DiplomacyLists.h"

#include "orders/OrderList.h"

namespace dered {

namespace {
const std::string kNoName;
} // namespace

std::vector<int16_t> OtherPlayers(const GameState& game) {
    std::vector<int16_t> players;
    for (int16_t p = 1; p <= game.PlayerCount - 1 && p <= MaxPlayer; ++p) {
        if (p != game.OwnPlayer) {
            players.push_back(p);
        }
    }
    return players;
}

const std::string& PlayerName(const GameState& game, int16_t player) {
    return player >= 0 && player <= MaxPlayer ? game.Players[player].Name : kNoName;
}

const std::string& PlayerAbbrev(const GameState& game, int16_t player) {
    return player >= 0 && player <= MaxPlayer ? game.Players[player].Abbrev : kNoName;
}

bool ChosenItem(const ListBoxModel& list, int32_t& itemData) {
    const int index = list.ListIndex();
    if (index < 0) {
        return false;
    }
    itemData = list.Lines()[index].itemData;
    return true;
}

const OrderSlot* LineSlot(const GameState& game, const ListBoxModel::Line& line) {
    if (line.itemData < 1 || line.itemData > MaxOrderSlot) {
        return nullptr;
    }
    return &game.Orders[line.itemData];
}

void DeleteChosenOrder(GameState& game, ListBoxModel& lstCommands) {
    int32_t slot = 0;
    if (!ChosenItem(lstCommands, slot)) {
        return;
    }
    lstCommands.RemoveItem(lstCommands.ListIndex());
    if (slot >= 1 && slot <= MaxOrderSlot) {
        DeleteOrder(game, static_cast<int16_t>(slot));
    }
}

} // namespace dered
