#pragma once

#include "qt/DialogView.h"

#include <string>

namespace dered {

class frmHistory;
struct HistoryPictureJob;

// frmHistory: the figure to chart, the chart (drawn by the form on a QImageSurface), the turn
// under the pointer, the table and the export buttons.
class HistoryView : public DialogView {
  public:
    HistoryView(frmHistory& form, const ViewContext& context);
    void Detach() override;

  private:
    std::string WritePng(const HistoryPictureJob& job);

    frmHistory& history_;
};

} // namespace dered
