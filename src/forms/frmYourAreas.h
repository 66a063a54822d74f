#pragma once

#include "state/TurnDocument.h"
#include "ui/Control.h"
#include "ui/Form.h"

#include <string_view>

namespace dered {

// The areas the player owns or holds a unit in, one fixed-pitch line each.
class frmYourAreas : public Form {
  public:
    explicit frmYourAreas(const Documents& documents);

    void Form_Load() override;
    void cmdRefreash_Click();
    void FillYourAreas();

    // The fields of a line line up only in a fixed-pitch font.
    static constexpr std::string_view kListFont = "Courier New";
    DERED_CONTROL(ListBoxModel, lstYourAreas);
    DERED_CONTROL(ButtonModel, cmdRefreash, "Refresh");

  private:
    const Documents& documents_;
    // The turn on screen.
    const GameState& Game() const { return documents_.Shown().records; }
};

} // namespace dered
