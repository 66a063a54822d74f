#pragma once

#include "state/GameState.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

namespace dered {

class frmMap;

// Asks for an area by number or name, listing the areas the text matches as it is typed.
class frmGoTo : public Form {
  public:
    frmGoTo(const GameState& game, Platform& platform, FormManager& forms, frmMap& map);

    void Form_Load() override;
    void txtArea_Change();
    void cmdGo_Click();

    TextModel lblArea{"Area number or name:"};
    TextBoxModel txtArea;
    ListBoxModel lstMatches;
    ButtonModel cmdGo{"Go"};
    ButtonModel cmdCancel{"Cancel"};

  private:
    const GameState& game_;
    Platform& platform_;
    FormManager& forms_;
    frmMap& map_;
};

} // namespace dered
