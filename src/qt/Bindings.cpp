#include "qt/Bindings.h"

#include "qt/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace dered {

MenuBinding::MenuBinding(MenuItemModel& model, QAction& action, bool checkable)
    : model_(model), action_(action) {
    action_.setCheckable(checkable);
    // The menu shows the key beside the caption.
    if (!model_.Shortcut().empty()) {
        action_.setShortcut(QKeySequence(ToQt(model_.Shortcut())));
    }
    connect(&action_, &QAction::triggered, this, [this] {
        model_.Click();
        Show(); // the form decides the tick, not the click
    });
    ShowAndFollow(model_, [this] { Show(); });
}

void MenuBinding::Show() {
    action_.setText(ToQt(model_.Caption()));
    action_.setEnabled(model_.Enabled());
    action_.setToolTip(ToQt(model_.WhyDisabled()));
    action_.setVisible(model_.Visible());
    if (action_.isCheckable()) {
        action_.setChecked(model_.Checked());
    }
}

CaptionBinding::CaptionBinding(TextModel& model, std::function<void(const QString&)> show) {
    ShowAndFollow(model, [&model, show] { show(ToQt(model.Text())); });
}

ListBinding::ListBinding(ListBoxModel& model, QListWidget& list) : model_(model), list_(list) {
    list_.setSelectionMode(QAbstractItemView::SingleSelection);
    Listen(model_, [this](const ListChange& change) {
        if (change.kind == ListChange::Kind::Items) {
            Fill();
        } else {
            Select();
        }
    });
    // The chosen line is the selected one: a list that takes the focus makes its first line
    // current without choosing it.
    connect(&list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!updating_) {
            const QList<QListWidgetItem*> selected = list_.selectedItems();
            model_.SetListIndex(selected.isEmpty() ? -1 : list_.row(selected.first()));
        }
    });
    connect(&list_, &QListWidget::itemClicked, this, [this] {
        if (onClick) {
            onClick();
        }
    });
    connect(&list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (onDblClick) {
            onDblClick();
        }
    });
    Fill();
}

void ListBinding::Fill() {
    updating_ = true;
    list_.clear();
    for (const ListBoxModel::Line& line : model_.Lines()) {
        (new QListWidgetItem(ToQt(line.text), &list_))->setData(Qt::UserRole, line.itemData);
    }
    updating_ = false;
    Select();
}

void ListBinding::Select() {
    updating_ = true;
    list_.setCurrentRow(model_.ListIndex());
    if (model_.ListIndex() < 0) {
        list_.clearSelection();
    }
    updating_ = false;
}

OptionGroupBinding::OptionGroupBinding(OptionGroupModel& model,
                                       std::vector<QAbstractButton*> buttons)
    : model_(model), buttons_(std::move(buttons)) {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        QAbstractButton* button = buttons_[i];
        // The model keeps the group exclusive, and may leave every button unchosen.
        button->setCheckable(true);
        button->setAutoExclusive(false);
        if (i < model_.Captions().size()) {
            button->setText(ToQt(model_.Captions()[i]));
        }
        if (i < model_.ToolTips().size()) {
            button->setToolTip(ToQt(model_.ToolTips()[i]));
        }
        const int index = static_cast<int>(i);
        connect(button, &QAbstractButton::clicked, this, [this, index] {
            model_.Choose(index);
            Show();
            if (onClick) {
                onClick(index);
            }
        });
    }
    ShowAndFollow(model_, [this] { Show(); });
}

void OptionGroupBinding::Show() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setChecked(model_.Value(static_cast<int>(i)));
    }
}

template <>
WidgetBinding<ButtonModel, QPushButton>::WidgetBinding(ButtonModel& model, QPushButton& button) {
    button.setText(ToQt(model.Caption()));
    connect(&button, &QPushButton::clicked, this, [&model] { model.Click(); });
    ShowAndFollow(model, [&model, &button] {
        button.setEnabled(model.Enabled());
        button.setToolTip(ToQt(model.WhyDisabled()));
    });
}

template <>
WidgetBinding<TextBoxModel, QLineEdit>::WidgetBinding(TextBoxModel& model, QLineEdit& edit) {
    connect(&edit, &QLineEdit::textEdited, this,
            [&model](const QString& text) { model.SetText(FromQt(text)); });
    ShowAndFollow(model, [&model, &edit] {
        const QString text = ToQt(model.Text());
        if (edit.text() != text) {
            edit.setText(text);
        }
    });
}

template <>
WidgetBinding<CheckBoxModel, QCheckBox>::WidgetBinding(CheckBoxModel& model, QCheckBox& box) {
    box.setText(ToQt(model.Caption()));
    connect(&box, &QCheckBox::clicked, this,
            [&model](bool checked) { model.SetValue(checked ? 1 : 0); });
    ShowAndFollow(model, [&model, &box] { box.setChecked(model.Value() != 0); });
}

template <>
WidgetBinding<ScrollBarModel, QScrollBar>::WidgetBinding(ScrollBarModel& model, QScrollBar& bar) {
    connect(&bar, &QScrollBar::valueChanged, this, [&model](int value) { model.SetValue(value); });
    ShowAndFollow(model, [&model, &bar] {
        const QSignalBlocker quiet(&bar); // the model already told its listeners
        bar.setRange(model.Min(), model.Max());
        bar.setValue(model.Value());
    });
}

QWidget* RadioButtonRow(OptionGroupModel& model, BindingSet& bindings) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    std::vector<QAbstractButton*> buttons;
    for (size_t i = 0; i < model.Captions().size(); ++i) {
        auto* button = new QRadioButton;
        layout->addWidget(button);
        buttons.push_back(button);
    }
    bindings.Add<OptionGroupBinding>(model, std::move(buttons));
    return row;
}

namespace {

template <typename Model, typename Widget>
Widget* Bound(Model& model, BindingSet& bindings, Widget* widget) {
    bindings.Add<WidgetBinding<Model, Widget>>(model, *widget);
    return widget;
}

} // namespace

QPushButton* BoundWidget(ButtonModel& model, BindingSet& bindings) {
    return Bound(model, bindings, new QPushButton);
}

QLineEdit* BoundWidget(TextBoxModel& model, BindingSet& bindings) {
    return Bound(model, bindings, new QLineEdit);
}

QCheckBox* BoundWidget(CheckBoxModel& model, BindingSet& bindings) {
    return Bound(model, bindings, new QCheckBox);
}

QScrollBar* BoundWidget(ScrollBarModel& model, BindingSet& bindings) {
    return Bound(model, bindings, new QScrollBar(Qt::Horizontal));
}

QListWidget* BoundWidget(ListBoxModel& model, BindingSet& bindings) {
    auto* list = new QListWidget;
    bindings.Add<ListBinding>(model, *list);
    return list;
}

QLabel* BoundWidget(TextModel& model, BindingSet& bindings) {
    auto* label = new QLabel;
    bindings.Add<CaptionBinding>(model, [label](const QString& text) { label->setText(text); });
    return label;
}

} // namespace dered
