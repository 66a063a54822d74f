#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <array>

namespace dered {

// The About box: the version, the date and who made it. No behaviour of its own.
class frmAbout : public Form {
  public:
    frmAbout();

    TextModel Label1_0{" V2.06"};
    TextModel Label1_1{"1999-Feb-25"};
    // The credit, one line a label.
    std::array<TextModel, 4> Credit{TextModel{"Der-ED, an aid for the player of the"},
                                    TextModel{"turn-based game played by report files."},
                                    TextModel{"Written by the Der-ED developers,"},
                                    TextModel{"with our own map and pictures."}};
};

} // namespace dered
