#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/Placement.h"
#include "qt/ViewContext.h"

#include <QMainWindow>

class QTableView;

namespace dered {

class GridBinding;
class frmWinQZ;
class FormManager;
class QtPlatform;

// The main window: the menu, the group headings and the area grid of frmWinQZ.
class WinQZView : public QMainWindow, public FormView {
  public:
    WinQZView(frmWinQZ& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

    QTableView& AreaGrid() { return *area_; }
    QTableView& AreaTitleGrid() { return *title_; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu();
    void BuildGrids();
    void FitGrids();

    frmWinQZ& winQZ_;
    QtPlatform& platform_;
    FormManager& forms_;
    QTableView* title_;
    QTableView* area_;
    GridBinding* areaBinding_ = nullptr;
    GridBinding* titleBinding_ = nullptr;
    BindingSet bindings_;
};

} // namespace dered
