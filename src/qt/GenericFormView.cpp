#include "qt/GenericFormView.h"

#include "qt/Bindings.h"
#include "qt/GridBinding.h"
#include "ui/Form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <type_traits>

namespace dered {

namespace {

constexpr int kMinimumWidth = 420;

} // namespace

GenericFormView::GenericFormView(Form& form, const ViewContext& context)
    : FormWindow(form, context, EscKey::Closes) {
    // Controls one under another in the form's order, headings in bold, lists taking the
    // height, and the buttons in a row at the bottom.
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* firstButton = nullptr;
    for (const auto& [name, control] : form.Controls()) {
        QWidget* widget = std::visit(
            [this](auto* model) -> QWidget* {
                using Model = std::remove_pointer_t<decltype(model)>;
                if constexpr (std::is_same_v<Model, GridModel>) {
                    auto* table = new QTableWidget;
                    bindings_.Add<GridBinding>(*model, *table);
                    return table;
                } else if constexpr (std::is_same_v<Model, ListBoxModel>) {
                    auto* list = BoundWidget(*model, bindings_);
                    // Long lines are shown whole: the list scrolls sideways.
                    list->setTextElideMode(Qt::ElideNone);
                    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
                    return list;
                } else if constexpr (std::is_same_v<Model, OptionGroupModel>) {
                    return RadioButtonRow(*model, bindings_);
                } else {
                    return BoundWidget(*model, bindings_);
                }
            },
            control);
        widget->setObjectName(QString::fromStdString(name));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            firstButton = firstButton != nullptr ? firstButton : button;
            buttons->addWidget(button);
            continue;
        }
        if (name.starts_with("fra")) {
            QFont bold = widget->font();
            bold.setBold(true);
            widget->setFont(bold);
        }
        const bool grows = qobject_cast<QListWidget*>(widget) != nullptr ||
                           qobject_cast<QTableWidget*>(widget) != nullptr;
        layout->addWidget(widget, grows ? 1 : 0);
    }
    layout->addLayout(buttons);
    firstButton_ = firstButton;
    setMinimumWidth(kMinimumWidth);
}

// Such a window is looked at and put away (Esc closes it); Enter presses its first button, as
// in a dialog.
void GenericFormView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        firstButton_ != nullptr) {
        firstButton_->click();
        return;
    }
    FormWindow::keyPressEvent(event);
}

} // namespace dered
