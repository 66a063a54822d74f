#pragma once

#include "qt/FormWindow.h"

namespace dered {

class frmOrders;

// frmOrders: the order reference as read-only text, within the screen; read and put away, so
// Esc closes it.
class OrdersView : public FormWindow {
  public:
    OrdersView(frmOrders& form, const ViewContext& context);
};

} // namespace dered
