#pragma once

#include <QObject>

class QWidget;

namespace dered {

class frmWinQZ;
class TurnAllies;

// A report file dropped on a window goes to the main window's form: opened, or with Shift held
// merged. With Ctrl held it is an ally's orders file, loaded into the open turn. Other drops are
// not taken.
class ReportDrop : public QObject {
  public:
    ReportDrop(QWidget& window, frmWinQZ& winQZ, TurnAllies& allies);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frmWinQZ& winQZ_;
    TurnAllies& allies_;
};

} // namespace dered
