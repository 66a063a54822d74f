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
class QLabel;
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

// A control on a widget of its kind: the widget shows the model, and what the player does
// there goes to the model. One constructor for each pair, beside the bindings above.
template <typename Model, typename Widget> class WidgetBinding : public Binding {
  public:
    WidgetBinding(Model& model, Widget& widget);
};

template <> WidgetBinding<ButtonModel, QPushButton>::WidgetBinding(ButtonModel&, QPushButton&);
template <> WidgetBinding<TextBoxModel, QLineEdit>::WidgetBinding(TextBoxModel&, QLineEdit&);
template <> WidgetBinding<CheckBoxModel, QCheckBox>::WidgetBinding(CheckBoxModel&, QCheckBox&);
template <> WidgetBinding<ScrollBarModel, QScrollBar>::WidgetBinding(ScrollBarModel&, QScrollBar&);

using ButtonBinding = WidgetBinding<ButtonModel, QPushButton>;
// A text box: typing changes the model's text, as does the program.
using TextBoxBinding = WidgetBinding<TextBoxModel, QLineEdit>;
using CheckBoxBinding = WidgetBinding<CheckBoxModel, QCheckBox>;
using ScrollBarBinding = WidgetBinding<ScrollBarModel, QScrollBar>;

// A new widget for the model, bound to it through the bindings; scroll bars lie horizontal.
QPushButton* BoundWidget(ButtonModel& model, BindingSet& bindings);
QLineEdit* BoundWidget(TextBoxModel& model, BindingSet& bindings);
QCheckBox* BoundWidget(CheckBoxModel& model, BindingSet& bindings);
QScrollBar* BoundWidget(ScrollBarModel& model, BindingSet& bindings);
QListWidget* BoundWidget(ListBoxModel& model, BindingSet& bindings);
QLabel* BoundWidget(TextModel& model, BindingSet& bindings);

} // namespace dered
