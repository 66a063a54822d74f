#include "forms/frmAbout.h"

namespace dered {

frmAbout::frmAbout() : Form("frmAbout", "Roz-OD2 32bit") {}

} // namespace dered
