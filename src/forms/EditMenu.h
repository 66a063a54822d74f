#pragma once

#include "desk/UndoHistory.h"
#include "ui/FormManager.h"

namespace dered {

class frmGoTo;
class frmOrdersOverview;
class frmWinQZ;

// The main window's Edit menu: undo and redo with what they would do in their captions, the
// orders overview and going to an area.
class EditMenu {
  public:
    EditMenu(frmWinQZ& winQZ, UndoHistory& history, FormManager& forms, frmOrdersOverview& overview,
             frmGoTo& goTo);

  private:
    void Show();

    frmWinQZ& winQZ_;
    UndoHistory& history_;
};

} // namespace dered
