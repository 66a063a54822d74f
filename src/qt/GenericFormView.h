#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QWidget>

class QPushButton;

namespace dered {

class Form;
class FormManager;
class QtPlatform;

// A plain window for a form that has no view of its own yet: every named control of the form,
// one a row, bound like any other. It keeps such a form usable, and closable, which matters
// for the windows that hold the map's clicks while they are open.
class GenericFormView : public QWidget, public FormView {
  public:
    GenericFormView(Form& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QtPlatform& platform_;
    FormManager& forms_;
    Form& form_;
    BindingSet bindings_;
    bool attached_ = true;
    QPushButton* firstButton_ = nullptr;
};

} // namespace dered
