#include "forms/frmOrdersOverview.h"

#include "desk/OrderCheck.h"
#include "desk/OrderWords.h"
#include "forms/frmMap.h"

#include <string>
#include <vector>

namespace dered {

frmOrdersOverview::frmOrdersOverview(const Documents& documents, TurnEvents& events, frmMap& map)
    : Form("frmOrdersOverview", "Orders Overview"), documents_(documents), map_(map) {
    AddControl("fraOrders", &fraOrders);
    AddControl("lstOrders", &lstOrders);
    AddControl("fraCheck", &fraCheck);
    AddControl("lstCheck", &lstCheck);
    lstOrders.Subscribe([this](const ListChange& change) {
        if (change.kind == ListChange::Kind::Selection) {
            lstOrders_Click();
        }
    });
    lstCheck.Subscribe([this](const ListChange& change) {
        if (change.kind == ListChange::Kind::Selection) {
            lstCheck_Click();
        }
    });
    // A rule's stored order is shown once the rule has settled its area.
    events.Subscribe([this](const TurnChange&) {
        if (IsLoaded()) {
            Fill();
        }
    });
}

void frmOrdersOverview::Form_Load() {
    Fill();
}

void frmOrdersOverview::Fill() {
    std::vector<ListBoxModel::Line> orders;
    for (OverviewLine& line : OverviewLines(Game())) {
        orders.push_back({std::move(line.text), line.item});
    }
    if (orders.empty()) {
        orders.push_back({"No orders yet", 0});
    }
    lstOrders.SetLines(std::move(orders));
    std::vector<Finding> found = CheckOrders(Game());
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
