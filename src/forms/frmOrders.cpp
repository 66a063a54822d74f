#include "forms/frmOrders.h"

namespace dered {

frmOrders::frmOrders() : Form("frmOrders", "Orders") {}

} // namespace dered
