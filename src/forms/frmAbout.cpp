#include "forms/frmAbout.h"

#include <string>

namespace dered {

frmAbout::frmAbout() : Form("frmAbout", "Roz-OD2 32bit") {
    AddControl("Label1(0)", &Label1_0);
    AddControl("Label1(1)", &Label1_1);
    for (size_t i = 0; i < Credit.size(); ++i) {
        AddControl("Label" + std::to_string(i + 2), &Credit[i]);
    }
}

} // namespace dered
