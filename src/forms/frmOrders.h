#pragma once

#include "forms/OrderGuide.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace dered {

// The order reference: every order kind, what it needs and how it is entered.
class frmOrders : public Form {
  public:
    frmOrders();

    DERED_CONTROL(TextModel, txtReference, OrderReferenceText());
};

} // namespace dered
