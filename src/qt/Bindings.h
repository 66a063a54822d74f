#pragma once

#include "qt/Binding.h"
#include "qt/QtText.h"
#include "ui/ControlName.h"
#include "ui/Controls.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace dered {

// A widget bound to a form's control goes by the control's name.
inline QString ObjectName(const ControlName& control) {
    return ToQt(control.Name());
}

// A menu item on a QAction: caption with its "&" accelerator, enabled, ticked.
class MenuBinding : public Binding {
  public:
    MenuBinding(MenuItemModel& model, QAction& action, bool checkable);

  private:
    void Show();
    MenuItemModel& model_;
    QAction& action_;
};

// A text shown somewhere: a window's title, a label.
class CaptionBinding : public Binding {
  public:
    CaptionBinding(TextModel& model, std::function<void(const QString&)> show);
};

// A list box on a QListWidget; the selection follows both ways.
class ListBinding : public Binding {
  public:
    ListBinding(ListBoxModel& model, QListWidget& list);
    std::function<void()> onClick;
    std::function<void()> onDblClick;

  private:
    void Fill();
    void Select();
    ListBoxModel& model_;
    QListWidget& list_;
    bool updating_ = false;
};

// A row of option buttons (radio buttons or toggle buttons), of which the model's chosen one
// is checked, or none.
// A row of radio buttons bound to the option group, one a caption.
QWidget* RadioButtonRow(OptionGroupModel& model, BindingSet& bindings);

class OptionGroupBinding : public Binding {
  public:
    OptionGroupBinding(OptionGroupModel& model, std::vector<QAbstractButton*> buttons);
    std::function<void(int)> onClick;

  private:
    void Show();
    OptionGroupModel& model_;
    std::vector<QAbstractButton*> buttons_;
};

class ButtonBinding : public Binding {
  public:
    ButtonBinding(ButtonModel& model, QPushButton& button);
};

// A text box: typing changes the model's text, as does the program.
class TextBoxBinding : public Binding {
  public:
    TextBoxBinding(TextBoxModel& model, QLineEdit& edit);
};

class CheckBoxBinding : public Binding {
  public:
    CheckBoxBinding(CheckBoxModel& model, QCheckBox& box);
};

class ScrollBarBinding : public Binding {
  public:
    ScrollBarBinding(ScrollBarModel& model, QScrollBar& bar);
};

} // namespace dered
