#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QTimer>
#include <QWidget>

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
    // Top of the screen, a few pixels right of the main window.
    void PlaceBesideMainWindow();

  protected:
    void showEvent(QShowEvent* event) override;

    void closeEvent(QCloseEvent* event) override;

  private:
    frmSummary& summary_;
    QtPlatform& platform_;
    FormManager& forms_;
    const Form& mainWindow_;
    QTableView* grid_;
    BindingSet bindings_;
    bool attached_ = true;
    void PlaceAgain();

    // Placing is over once both windows are on the screen with their frames.
    bool placed_ = false;
    QTimer placeTimer_;
    int placeTries_ = 0;
};

} // namespace dered
