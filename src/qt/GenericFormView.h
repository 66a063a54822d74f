#pragma once

#include "qt/FormWindow.h"

class QPushButton;

namespace dered {

// A plain window for a form that has no view of its own yet: every named control of the form,
// one a row, bound like any other. It keeps such a form usable, and closable, which matters
// for the windows that hold the map's clicks while they are open.
class GenericFormView : public FormWindow {
  public:
    GenericFormView(Form& form, const ViewContext& context);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPushButton* firstButton_ = nullptr;
};

} // namespace dered
