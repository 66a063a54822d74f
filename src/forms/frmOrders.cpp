#include "forms/frmOrders.h"

#include "forms/OrderGuide.h"

namespace dered {

frmOrders::frmOrders() : Form("frmOrders", "Orders"), txtReference(OrderReferenceText()) {
    AddControl("txtReference", &txtReference);
}

} // namespace dered
