#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

namespace dered {

class frmMap;

// Asks for an area by number or name, listing the areas the text matches as it is typed.
class frmGoTo : public Form {
  public:
    frmGoTo(const Documents& documents, Platform& platform, FormManager& forms, frmMap& map);

    void Form_Load() override;
    void txtArea_Change();
    void cmdGo_Click();

    DERED_CONTROL(TextModel, lblArea, "Area number or name:");
    DERED_CONTROL(TextBoxModel, txtArea);
    DERED_CONTROL(ListBoxModel, lstMatches);
    DERED_CONTROL(ButtonModel, cmdGo, "Go");
    DERED_CONTROL(ButtonModel, cmdCancel, "Cancel");

  private:
    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
    Platform& platform_;
    FormManager& forms_;
    frmMap& map_;
};

} // namespace dered
