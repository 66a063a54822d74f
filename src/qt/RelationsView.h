#pragma once

#include "qt/DialogView.h"

class QTableWidget;

namespace dered {

// frmRelations: the square table of who is allied with or at war with whom, the window
// fitting it.
class RelationsView : public DialogView {
  public:
    RelationsView(Program& program, QtPlatform& platform);

    QTableWidget& Grid() { return *grid_; }

  private:
    QTableWidget* grid_;
};

} // namespace dered
