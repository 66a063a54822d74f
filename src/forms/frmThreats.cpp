#include "forms/frmThreats.h"

#include "forms/FormEvents.h"
#include "forms/frmMap.h"
#include "orders/Threats.h"
#include "state/CodeTables.h"

#include <string>
#include <vector>

namespace dered {

namespace {

std::string Rivals(int count) {
    return std::to_string(count) + (count == 1 ? " rival" : " rivals");
}

// "Supply centre 12 Kerlin: 2 rivals can get in, 1 to hold it".
std::string ThreatLine(const GameState& game, const Threat& threat) {
    const AreaRecord& area = game.Areas[threat.area];
    std::string what = "Supply centre";
    if (threat.what == ThreatTo::Unit) {
        const std::string_view word = UnitWord(area.UnitKind);
        what = word.empty() ? "Unit" : std::string(1, static_cast<char>(word[0] - 'a' + 'A'));
        what += word.empty() ? "" : word.substr(1);
    }
    return what + " " + std::to_string(threat.area) + " " + area.Name + ": " +
           Rivals(threat.balance.threat) + " can get in, " + std::to_string(threat.balance.cover) +
           " to hold it";
}

} // namespace

frmThreats::frmThreats(const Documents& documents, TurnEvents& events, frmMap& map)
    : Form("frmThreats", "Threats"), documents_(documents), map_(map) {
    OnChosen(lstThreats, [this] { lstThreats_Click(); });
    RefreshWhileLoaded(events, *this, [this] { Fill(); });
}

void frmThreats::Form_Load() {
    Fill();
}

void frmThreats::Fill() {
    const GameState& game = Game();
    std::vector<ListBoxModel::Line> lines;
    if (game.OwnPlayer >= 1) { // before a report the empty records belong to nobody
        for (const Threat& threat : FindThreats(game, ReachMap(game))) {
            lines.push_back({ThreatLine(game, threat), threat.area});
        }
    }
    lblThreats.SetText(lines.empty()
                           ? "No rival can reach an own supply centre or unit next turn"
                           : "Within reach of rivals next turn, counted against the own and "
                             "allied units that can hold each:");
    lstThreats.SetLines(std::move(lines));
}

void frmThreats::lstThreats_Click() {
    const int index = lstThreats.ListIndex();
    if (index >= 0) {
        map_.GoToArea(static_cast<int16_t>(lstThreats.Lines()[index].itemData));
    }
}

} // namespace dered
