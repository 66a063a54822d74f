#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"

#include <functional>

namespace dered {

// The question before saving when the check finds something: save anyway, or go back.
class frmSaveCheck : public Form {
  public:
    frmSaveCheck(const Documents& documents, FormManager& forms);

    // Runs `save` at once when the check finds nothing, else once the player says so.
    void Ask(std::function<void()> save);
    void cmdSave_Click();

    DERED_CONTROL(TextModel, lblQuestion, "The check before saving found this. Save anyway?");
    DERED_CONTROL(ListBoxModel, lstFindings);
    DERED_CONTROL(ButtonModel, cmdSave, "Save anyway");
    DERED_CONTROL(ButtonModel, cmdCancel, "Cancel");

  private:
    const Documents& documents_;
    FormManager& forms_;
    bool confirmed_ = false;
};

} // namespace dered
