#pragma once

#include "qt/Binding.h"
#include "qt/FormView.h"
#include "qt/ViewContext.h"

#include <QWidget>

namespace dered {

class frmOrders;

// frmOrders: the order reference as read-only text, within the screen.
class OrdersView : public QWidget, public FormView {
  public:
    OrdersView(frmOrders& form, const ViewContext& context);

    QWidget* Widget() override { return this; }
    void Detach() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    frmOrders& orders_;
    QtPlatform& platform_;
    FormManager& forms_;
    BindingSet bindings_;
    bool attached_ = true;
};

} // namespace dered
