#pragma once

#include "qt/FormWindow.h"
#include "qt/Placement.h"

#include <optional>

class QTableView;

namespace dered {

class frmSummary;

// The eight figures of frmSummary, in a small window beside the main window.
class SummaryView : public FormWindow {
  public:
    SummaryView(frmSummary& form, const ViewContext& context);

    QTableView& Grid() { return *grid_; }

  private:
    frmSummary& summary_;
    const Form& mainWindow_;
    QTableView* grid_;
    std::optional<WindowRect> BesideMainWindow() const;
};

} // namespace dered
