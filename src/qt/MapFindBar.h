#pragma once

#include "qt/Binding.h"

#include <functional>

class QLabel;
class QLineEdit;
class QWidget;

namespace dered {

class frmMap;
class ListBoxModel;
class TextBoxModel;

// On the map window: the search field right of the option buttons, completing on the areas
// the form finds, the order field under the buttons, completing area names, and the line at the
// foot of the view (also the view's tooltip) saying what is under the pointer.
class MapFindBar : public Binding {
  public:
    MapFindBar(frmMap& map, QWidget& view, BindingSet& bindings);
    // Keeps the status line at the foot of the view.
    // Puts the hover line just above bottom, the top of what lies under it.
    void Place(int bottom);

  private:
    // The field's popup lists what the form found for its text; choosing a line runs enter.
    void CompleteFrom(QLineEdit& field, ListBoxModel& found, TextBoxModel& text,
                      std::function<void()> enter);

    QWidget& view_;
    QLineEdit* find_;
    QLineEdit* order_;
    QLabel* status_;
    int bottom_ = 0;
};

} // namespace dered
