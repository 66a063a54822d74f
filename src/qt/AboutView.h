#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QWidget>

namespace dered {

class frmAbout;
class FormManager;
class QtPlatform;

// frmAbout: the version, the date and the credit.
class AboutView : public QWidget, public FormView {
  public:
    AboutView(frmAbout& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    frmAbout& about_;
    QtPlatform& platform_;
    FormManager& forms_;
    BindingSet bindings_;
    bool attached_ = true;
};

} // namespace dered
