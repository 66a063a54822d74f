#include "forms/frmGoTo.h"

#include "desk/AreaSearch.h"
#include "desk/OrderWords.h"
#include "forms/frmMap.h"

#include <vector>

namespace dered {

namespace {
constexpr int kMatchLines = 20;
} // namespace

frmGoTo::frmGoTo(const Documents& documents, Platform& platform, FormManager& forms, frmMap& map)
    : Form("frmGoTo", "Go to Area"), documents_(documents), platform_(platform), forms_(forms),
      map_(map) {
    txtArea.Subscribe([this](const Changed&) { txtArea_Change(); });
    cmdGo.onClick = [this] { cmdGo_Click(); };
    cmdCancel.onClick = [this] { forms_.Unload(*this); };
}

void frmGoTo::Form_Load() {
    txtArea.SetText({});
}

void frmGoTo::txtArea_Change() {
    std::vector<ListBoxModel::Line> lines;
    for (const int16_t area : MatchAreas(Game(), txtArea.Text())) {
        if (static_cast<int>(lines.size()) == kMatchLines) {
            break;
        }
        lines.push_back({AreaLabel(Game(), area), area});
    }
    lstMatches.SetLines(std::move(lines));
}

// The chosen match, else the first; the window closes before the map moves.
void frmGoTo::cmdGo_Click() {
    if (lstMatches.ListCount() == 0) {
        platform_.MsgBox("No area matches \"" + txtArea.Text() + "\"", MsgIcon::Information);
        return;
    }
    const int chosen = lstMatches.ListIndex() >= 0 ? lstMatches.ListIndex() : 0;
    const auto area = static_cast<int16_t>(lstMatches.Lines()[chosen].itemData);
    forms_.Unload(*this);
    map_.GoToArea(area);
}

} // namespace dered
