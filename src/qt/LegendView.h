#pragma once

#include "qt/FormWindow.h"

class QGridLayout;
class QScrollArea;

namespace dered {

class frmLegend;

// frmLegend: a swatch or a unit picture beside each line's text, rebuilt when the form's
// lines change. Esc closes it.
class LegendView : public FormWindow {
  public:
    LegendView(frmLegend& form, const ViewContext& context);

  private:
    void Rebuild();

    frmLegend& legend_;
    QGridLayout* rows_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

} // namespace dered
