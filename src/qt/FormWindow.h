#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QWidget>

namespace dered {

class Form;
class FormManager;
class QtPlatform;

// What the windows of forms do alike: each is named as its form and titled with its caption,
// lets go of the form when detached, and its close box unloads the form.
class FormWindow : public QWidget, public FormView {
  public:
    // What Esc does: close the window as its close box would (not while modal, for windows
    // that are answered rather than read), or nothing here, leaving the key to the view.
    enum class EscKey { Closes, ClosesUnlessModal, Passes };

    FormWindow(Form& form, const ViewContext& context, EscKey esc);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // What the close box does to the form: unloads it, and ends the run with the last window.
    virtual void CloseBox();
    bool Attached() const { return attached_; }

    QtPlatform& platform_;
    FormManager& forms_;
    Form& form_;
    BindingSet bindings_;

  private:
    const EscKey esc_;
    bool attached_ = true;
};

} // namespace dered
