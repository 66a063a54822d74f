#pragma once

#include "qt/DialogView.h"

namespace dered {

class frmHistory;

// frmHistory: the figure to chart, the chart (drawn by the form on a QImageSurface), the turn
// under the pointer, the table and the export buttons.
class HistoryView : public DialogView {
  public:
    HistoryView(frmHistory& form, const ViewContext& context);
};

} // namespace dered
