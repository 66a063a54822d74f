#pragma once

#include "qt/Binding.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace dered {

class frmMap;

// On the map window: the search field right of the option buttons, completing on the areas
// the form finds, and the line at the foot of the view (also the view's tooltip) saying what
// is under the pointer.
class MapFindBar : public Binding {
  public:
    MapFindBar(frmMap& map, QWidget& view, BindingSet& bindings);
    // Keeps the status line at the foot of the view.
    void Place();

  private:
    QWidget& view_;
    QLineEdit* find_;
    QLabel* status_;
};

} // namespace dered
