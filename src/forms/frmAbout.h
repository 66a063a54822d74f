#pragma once

#include "ui/Control.h"
#include "ui/Form.h"

#include <array>

namespace dered {

// The About box: the version, the date and who made it. No behaviour of its own.
class frmAbout : public Form {
  public:
    frmAbout();

    Control<TextModel> Label1_0{*this, "Label1(0)", " V2.06"};
    Control<TextModel> Label1_1{*this, "Label1(1)", "1999-Feb-25"};
    // The credit, one line a label.
    std::array<Control<TextModel>, 4> Credit{
        {{*this, "Label2", "Der-ED, an aid for the player of the"},
         {*this, "Label3", "turn-based game played by report files."},
         {*this, "Label4", "Written by the Der-ED developers,"},
         {*this, "Label5", "with our own map and pictures."}}};
};

} // namespace dered
