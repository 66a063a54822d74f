#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace dered {

// The order reference: every order kind, what it needs and how it is entered.
class frmOrders : public Form {
  public:
    frmOrders();

    TextModel txtReference;
};

} // namespace dered
