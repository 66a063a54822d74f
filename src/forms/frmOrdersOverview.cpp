#include "forms/frmOrdersOverview.h"

#include "desk/AllyCheck.h"
#include "desk/AllyWords.h"
#include "desk/OrderWords.h"
#include "forms/FormEvents.h"
#include "forms/TurnAllies.h"
#include "forms/frmMap.h"

#include <string>
#include <vector>

namespace dered {

frmOrdersOverview::frmOrdersOverview(const Documents& documents, TurnEvents& events, frmMap& map,
                                     TurnAllies& allies)
    : Form("frmOrdersOverview", "Orders Overview"), documents_(documents), map_(map),
      allies_(allies) {
    cmdLoadAlly.onClick = [this] { allies_.mnuLoadAllyOrders_Click(); };
    cmdReloadAlly.onClick = [this] { allies_.Reload(ChosenAlly()); };
    cmdRemoveAlly.onClick = [this] { allies_.Remove(ChosenAlly()); };
    OnChosen(lstOrders, [this] { lstOrders_Click(); });
    OnChosen(lstCheck, [this] { lstCheck_Click(); });
    // A rule's stored order is shown once the rule has settled its area.
    RefreshWhileLoaded(events, *this, [this] { Fill(); });
}

void frmOrdersOverview::Form_Load() {
    Fill();
}

// The ally chosen stays chosen through a reload: its heading is chosen again.
void frmOrdersOverview::Fill() {
    const int16_t chosen = ChosenAlly();
    std::vector<ListBoxModel::Line> orders;
    for (OverviewLine& line : OverviewLines(Game())) {
        orders.push_back({std::move(line.text), line.item});
    }
    if (orders.empty()) {
        orders.push_back({"No orders yet", 0});
    }
    allyOfLine_.assign(orders.size(), 0);
    int index = -1;
    for (const AllyOrders& ally : documents_.Shown().allies.All()) {
        index = ally.player == chosen ? static_cast<int>(orders.size()) : index;
        for (OverviewLine& line : AllyOrderLines(Game(), ally)) {
            orders.push_back({std::move(line.text), line.item});
            allyOfLine_.push_back(ally.player);
        }
    }
    lstOrders.SetLines(std::move(orders));
    if (index >= 0) {
        lstOrders.SetListIndex(index);
    }
    std::vector<Finding> found = CheckTurn(documents_.Shown());
    fraCheck.SetText("Check before saving (" + std::to_string(found.size()) + ")");
    std::vector<ListBoxModel::Line> findings;
    for (Finding& finding : found) {
        findings.push_back({std::move(finding.text), finding.area});
    }
    if (findings.empty()) {
        findings.push_back({"Nothing found", 0});
    }
    lstCheck.SetLines(std::move(findings));
}

int16_t frmOrdersOverview::ChosenAlly() const {
    const int index = lstOrders.ListIndex();
    return index < 0 || index >= static_cast<int>(allyOfLine_.size()) ? int16_t{0}
                                                                      : allyOfLine_[index];
}

void frmOrdersOverview::lstOrders_Click() {
    GoToLine(lstOrders);
}

void frmOrdersOverview::lstCheck_Click() {
    GoToLine(lstCheck);
}

// Headings and list orders have no area.
void frmOrdersOverview::GoToLine(const ListBoxModel& list) {
    const int index = list.ListIndex();
    if (index < 0) {
        return;
    }
    const int32_t item = list.Lines()[index].itemData;
    if (item >= 1 && item <= MaxArea) {
        map_.GoToArea(static_cast<int16_t>(item));
    }
}

} // namespace dered
