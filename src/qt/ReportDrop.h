#pragma once

#include <QObject>

class QWidget;

namespace dered {

class frmWinQZ;

// A report file dropped on a window goes to the main window's form: opened, or with Shift held
// merged. Other drops are not taken.
class ReportDrop : public QObject {
  public:
    ReportDrop(QWidget& window, frmWinQZ& winQZ);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frmWinQZ& winQZ_;
};

} // namespace dered
