#include "desk/AllyWords.h"

#include "state/CodeTables.h"

namespace dered {

std::string AllyLabel(const GameState& turn, int16_t player) {
    if (player < 0 || player > MaxPlayer || turn.Players[player].Abbrev.empty()) {
        return "player " + std::to_string(player);
    }
    const PlayerRecord& p = turn.Players[player];
    return p.Name.empty() ? p.Abbrev : p.Abbrev + " (" + p.Name + ")";
}

AreaRecord AllyOrderRecord(const GameState& turn, int16_t player, const AllyAreaOrder& order) {
    AreaRecord record;
    record.Command = order.code;
    record.Parm1 = order.parm1;
    record.Parm2 = order.parm2;
    if (FitsTheTurn(turn, player, order)) {
        record.UnitKind = turn.Areas[order.area].UnitKind;
    }
    return record;
}

std::string AllyOrderSentence(const GameState& turn, int16_t player, const AllyAreaOrder& order) {
    std::string text = OrderSentence(turn, order.area, AllyOrderRecord(turn, player, order));
    if (!FitsTheTurn(turn, player, order)) {
        const std::string& abbrev = turn.Players[player].Abbrev;
        text += " (not " + (abbrev.empty() ? AllyLabel(turn, player) : abbrev) +
                "'s there in this turn)";
    }
    return text;
}

std::vector<OverviewLine> AllyOrderLines(const GameState& turn, const AllyOrders& ally) {
    std::vector<OverviewLine> members;
    for (const AllyAreaOrder& order : ally.areaOrders) {
        members.push_back({"  " + AllyOrderSentence(turn, ally.player, order), order.area});
    }
    for (const OrderSlot& slot : ally.listOrders) {
        const std::string text = ListOrderSentence(turn, slot);
        if (!text.empty()) {
            members.push_back({"  " + text, 0});
        }
    }
    std::vector<OverviewLine> lines{
        {"Orders of " + AllyLabel(turn, ally.player) + " (" + std::to_string(members.size()) + ")",
         0}};
    lines.insert(lines.end(), members.begin(), members.end());
    return lines;
}

std::vector<OverviewLine> AllyOverviewLines(const GameState& turn, const AllyOrderSets& allies) {
    std::vector<OverviewLine> lines;
    for (const AllyOrders& ally : allies.All()) {
        std::vector<OverviewLine> more = AllyOrderLines(turn, ally);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

} // namespace dered
