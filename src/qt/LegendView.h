#pragma once

#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QWidget>

class QGridLayout;
class QScrollArea;

namespace dered {

class frmLegend;

// frmLegend: a swatch or a unit picture beside each line's text, rebuilt when the form's
// lines change.
class LegendView : public QWidget, public FormView {
  public:
    LegendView(frmLegend& form, const ViewContext& context);
    ~LegendView() override;

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Rebuild();

    frmLegend& legend_;
    QtPlatform& platform_;
    FormManager& forms_;
    QGridLayout* rows_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    int subscription_ = 0;
    bool attached_ = true;
};

} // namespace dered
