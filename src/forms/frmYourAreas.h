#pragma once

#include "state/GameState.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <string_view>

namespace dered {

// The areas the player owns or holds a unit in, one fixed-pitch line each.
class frmYourAreas : public Form {
  public:
    explicit frmYourAreas(const GameState& game);

    void Form_Load() override;
    void cmdRefreash_Click();
    void FillYourAreas();

    // The fields of a line line up only in a fixed-pitch font.
    static constexpr std::string_view kListFont = "Courier New";
    ListBoxModel lstYourAreas;
    ButtonModel cmdRefreash{"Refresh"};

  private:
    const GameState& game_;
};

} // namespace dered
