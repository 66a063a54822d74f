#include "desk/HoverText.h"

#include "desk/AllyWords.h"
#include "desk/OrderWords.h"
#include "state/CodeTables.h"

namespace dered {

namespace {

std::string Owner(const GameState& game, int16_t player) {
    if (player == game.OwnPlayer) {
        return "yours";
    }
    // The report holds no data on it.
    if (player == game.PlayerCount || player < 0 || player > MaxPlayer ||
        game.Players[player].Name.empty()) {
        return "unknown";
    }
    return game.Players[player].Name;
}

} // namespace

std::string HoverText(const GameState& game, int16_t area) {
    if (area < 1 || area > MaxArea) {
        return {};
    }
    const AreaRecord& a = game.Areas[area];
    std::string text =
        std::to_string(area) + " " + a.Name + ", " + std::string(TerrainWord(a.Terrain));
    text += ", owner " + Owner(game, a.Owner);
    if (a.Supply > 0) {
        text += ", supply " + std::to_string(a.Supply);
    }
    if (a.UnitKind != NoUnit) {
        const std::string_view word = UnitWord(a.UnitKind);
        text +=
            ", " + std::string(word.empty() ? "unit" : word) + " of " + Owner(game, a.UnitOwner);
    }
    const std::string order = AreaOrderPredicate(game, area);
    if (!order.empty()) {
        text += ", order: " + order;
    }
    return text;
}

std::string HoverText(const GameState& game, int16_t area, const AllyOrderSets& allies) {
    std::string text = HoverText(game, area);
    if (text.empty()) {
        return text;
    }
    for (const AllyOrders& ally : allies.All()) {
        if (const AllyAreaOrder* order = ally.OrderAt(area)) {
            text += "; " + game.Players[ally.player].Abbrev + ": " +
                    OrderPredicate(game, AllyOrderRecord(game, ally.player, *order));
        }
    }
    return text;
}

std::string ReachHoverText(const GameState& game, const ReachMap& reach, int16_t area) {
    std::string text = "reach:";
    const auto reachers = reach.Into(area);
    if (reachers.empty()) {
        return text + " none";
    }
    for (const Reacher& r : reachers) {
        text += (&r == reachers.data() ? " " : ", ") + std::string(UnitWord(r.kind)) + " of " +
                Owner(game, r.owner) + " from " + std::to_string(r.from);
        if (r.way == ReachWay::Convoy) {
            text += " by convoy";
        }
    }
    return text;
}

} // namespace dered
