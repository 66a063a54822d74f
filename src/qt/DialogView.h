#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QSize>
#include <QWidget>

#include <initializer_list>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace dered {

class ButtonModel;
class CheckBoxModel;
class Form;
class ListBoxModel;
class QtPlatform;
class ScrollBarModel;
class TextBoxModel;
class TextModel;
template <typename Model> class Control;

// The window of one of the small dialogs: a fixed-size window with only a close box, whose
// title follows the form's caption and whose close box unloads the form. The helpers make a
// widget bound to a control model and named as the form names the control.
class DialogView : public QWidget, public FormView {
  public:
    DialogView(Form& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc closes a window that is not modal, as its close box would.
    void keyPressEvent(QKeyEvent* event) override;
    // What the close box does to the form.
    virtual void CloseBox();
    // Where the window goes when it is first shown: over the middle of the main window.
    virtual void Place();
    bool Attached() const { return attached_; }
    // Keeps the window above the owner's window (the main window unless a view says
    // otherwise), so that a window manager never buries it under the program's others.
    void KeepAbove(const Form& owner);
    // The top right corner of the map window, clear of a main window over the map's left.
    void PlaceOverMap();
    // The window opens at the size its layout asks for, but the parts (lists) may give up
    // height down to `leastHeight`, so that a low screen still holds the window whole.
    void LetShrink(std::initializer_list<QWidget*> parts, int leastHeight);

    QGroupBox* Frame(Control<TextModel>& caption);
    QListWidget* List(Control<ListBoxModel>& model);
    QPushButton* Button(Control<ButtonModel>& model);
    QLabel* Label(Control<TextModel>& model);
    QLineEdit* TextBox(Control<TextBoxModel>& model);
    QCheckBox* CheckBox(Control<CheckBoxModel>& model);
    QScrollBar* ScrollBar(Control<ScrollBarModel>& model);

    QtPlatform& platform_;
    FormManager& forms_;
    const Form& mainWindow_;
    const Form& mapWindow_;
    Form& form_;
    BindingSet bindings_;

  private:
    bool attached_ = true;
    bool placed_ = false;
};

// Lays a list out in a frame, above a row of the frame's other controls.
QGroupBox* ListFrame(QGroupBox* frame, QListWidget* list, std::initializer_list<QWidget*> below,
                     QSize listSize = QSize(150, 150));

} // namespace dered
