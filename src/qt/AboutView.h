#pragma once

#include "qt/FormWindow.h"

namespace dered {

class frmAbout;

// frmAbout: the version, the date and the credit; read and put away, so Esc closes it.
class AboutView : public FormWindow {
  public:
    AboutView(frmAbout& form, const ViewContext& context);
};

} // namespace dered
