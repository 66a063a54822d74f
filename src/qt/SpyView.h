#pragma once

#include "qt/DialogView.h"

class QTableWidget;

namespace dered {

class frmSpy;

// frmSpy: the row of six spy targets, of which the player selects a run of cells to delete.
class SpyView : public DialogView {
  public:
    SpyView(frmSpy& form, const ViewContext& context);

    QTableWidget& Grid() { return *grid_; }

  private:
    frmSpy& spy_;
    // The cells the user selected become the grid's selected column range.
    void TakeSelection();
    void ShowSelection();

    QTableWidget* grid_;
};

} // namespace dered
