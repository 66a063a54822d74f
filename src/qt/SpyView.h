#pragma once

#include "qt/DialogView.h"
#include "qt/GridBinding.h"

namespace dered {

class frmSpy;

// frmSpy: the row of six spy targets, of which the player selects a run of cells to delete.
class SpyView : public DialogView, public WithGrid<QTableWidget> {
  public:
    SpyView(frmSpy& form, const ViewContext& context);

  private:
    frmSpy& spy_;
    // The cells the user selected become the grid's selected column range.
    void TakeSelection();
    void ShowSelection();
};

} // namespace dered
