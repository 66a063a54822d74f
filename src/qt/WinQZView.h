#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"

#include <QMainWindow>

class QTableView;

namespace dered {

class Form;
class GridBinding;
class Program;
class QtPlatform;

// The main window: the menu, the group headings and the area grid of frmWinQZ.
class WinQZView : public QMainWindow, public FormView {
  public:
    WinQZView(Program& program, QtPlatform& platform);

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

    Program& program_;
    QtPlatform& platform_;
    QTableView* title_;
    QTableView* area_;
    GridBinding* areaBinding_ = nullptr;
    GridBinding* titleBinding_ = nullptr;
    BindingSet bindings_;
};

// Closing a window with its close box unloads its form, and ends the run with the last one.
void CloseForm(Program& program, QtPlatform& platform, Form& form);

} // namespace dered
