#pragma once

#include "qt/FormWindow.h"
#include "qt/GridBinding.h"
#include "qt/Placement.h"

#include <optional>

namespace dered {

class frmSummary;

// The eight figures of frmSummary, in a small window beside the main window.
class SummaryView : public FormWindow, public WithGrid<QTableView> {
  public:
    SummaryView(frmSummary& form, const ViewContext& context);

  private:
    frmSummary& summary_;
    const Form& mainWindow_;
    std::optional<WindowRect> BesideMainWindow() const;
};

} // namespace dered
