#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/Placement.h"
#include "qt/ViewContext.h"

#include <QWidget>
#include <optional>

class QTableView;

namespace dered {

class frmSummary;
class FormManager;
class QtPlatform;

// The eight figures of frmSummary, in a small window beside the main window.
class SummaryView : public QWidget, public FormView {
  public:
    SummaryView(frmSummary& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

    QTableView& Grid() { return *grid_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    frmSummary& summary_;
    QtPlatform& platform_;
    FormManager& forms_;
    const Form& mainWindow_;
    QTableView* grid_;
    BindingSet bindings_;
    bool attached_ = true;
    std::optional<WindowRect> BesideMainWindow() const;
};

} // namespace dered
