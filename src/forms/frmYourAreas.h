#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <string_view>

namespace dered {

class Program;

// The areas the player owns or holds a unit in, one fixed-pitch line each.
class frmYourAreas : public Form {
  public:
    explicit frmYourAreas(Program& program);

    void Form_Load() override;
    void cmdRefreash_Click();
    void FillYourAreas();

    // The fields of a line line up only in a fixed-pitch font.
    static constexpr std::string_view kListFont = "Courier New";
    ListBoxModel lstYourAreas;
    ButtonModel cmdRefreash{"Refresh"};

  private:
    Program& program_;
};

} // namespace dered
