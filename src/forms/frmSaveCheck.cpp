#include "forms/frmSaveCheck.h"

#include "desk/AllyCheck.h"

#include <utility>
#include <vector>

namespace dered {

frmSaveCheck::frmSaveCheck(const Documents& documents, FormManager& forms)
    : Form("frmSaveCheck", "Check before saving"), documents_(documents), forms_(forms) {
    cmdSave.onClick = [this] { cmdSave_Click(); };
    cmdCancel.onClick = [this] { forms_.Unload(*this); };
}

void frmSaveCheck::Ask(std::function<void()> save) {
    if (IsVisible()) {
        return; // one question at a time
    }
    const std::vector<Finding> found = CheckTurn(documents_.Shown());
    if (found.empty()) {
        save();
        return;
    }
    std::vector<ListBoxModel::Line> lines;
    for (const Finding& finding : found) {
        lines.push_back({finding.text, finding.area});
    }
    lstFindings.SetLines(std::move(lines));
    confirmed_ = false;
    forms_.Show(*this, Modality::Modal, [this, save = std::move(save)] {
        if (std::exchange(confirmed_, false)) {
            save();
        }
    });
}

void frmSaveCheck::cmdSave_Click() {
    confirmed_ = true;
    forms_.Unload(*this);
}

} // namespace dered
