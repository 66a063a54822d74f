#include "forms/TurnAllies.h"

#include "desk/AllyWords.h"
#include "files/AllyOrdersFile.h"

#include <algorithm>
#include <utility>

namespace dered {

TurnAllies::TurnAllies(Documents& documents, Platform& platform, TurnEvents& events,
                       TextModel& status)
    : documents_(documents), platform_(platform), events_(events), status_(status) {}

void TurnAllies::mnuLoadAllyOrders_Click() {
    OpenFileRequest request;
    request.title = "Load Ally's Orders";
    request.filter = "Orders (commands.dat;orders.tmp)|commands.dat;orders.tmp|All Files (*.*)|*.*";
    // Allies send their files the way reports come: the turn's folder is where they land.
    request.initialDir = documents_.Current().records.ReportDir;
    const OpenFileResult chosen = platform_.ShowOpenDialog(request);
    if (!chosen.fileName.empty()) {
        Load(chosen.fullPath);
    }
}

bool TurnAllies::Load(const std::string& path) {
    const GameState& turn = documents_.Current().records;
    AllyFileRead read = ReadAllyOrders(turn, path);
    if (!read.Read()) {
        platform_.MsgBox(read.error, MsgIcon::Exclamation);
        return false;
    }
    const AllyOrders& orders = read.orders;
    const auto away = std::count_if(
        orders.areaOrders.begin(), orders.areaOrders.end(),
        [&](const AllyAreaOrder& order) { return !FitsTheTurn(turn, orders.player, order); });
    std::string said = "Loaded the orders of " + AllyLabel(turn, orders.player) + " from " + path;
    if (away > 0) {
        said += "; " + std::to_string(away) + " of them from areas this turn does not show as " +
                turn.Players[orders.player].Abbrev + "'s";
    }
    Allies().Put(std::move(read.orders));
    status_.SetText(said);
    events_.AlliesChanged();
    return true;
}

bool TurnAllies::Reload(int16_t player) {
    const AllyOrders* orders = Allies().Find(player);
    return orders != nullptr && Load(std::string(orders->path));
}

bool TurnAllies::Remove(int16_t player) {
    if (!Allies().Remove(player)) {
        return false;
    }
    status_.SetText("Removed the orders of " + AllyLabel(documents_.Current().records, player));
    events_.AlliesChanged();
    return true;
}

void TurnAllies::SetShown(bool shown) {
    if (shown_ != shown) {
        shown_ = shown;
        events_.AlliesChanged();
    }
}

} // namespace dered
