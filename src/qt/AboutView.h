#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"

#include <QWidget>

namespace dered {

class Program;
class QtPlatform;

// frmAbout: the version, the date and the credit.
class AboutView : public QWidget, public FormView {
  public:
    AboutView(Program& program, QtPlatform& platform);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Program& program_;
    QtPlatform& platform_;
    BindingSet bindings_;
    bool attached_ = true;
};

} // namespace dered
