#pragma once

#include "qt/FormWindow.h"
#include "qt/Placement.h"

#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QStatusBar;

namespace dered {

class frmMap;
class MapFindBar;

// frmMap: the view on the map picture fills the window; the option buttons lie in a row
// over its top. Mouse events go to the form with the classic names and order: a double
// click gives MouseDown, MouseUp, Click, DblClick, MouseUp.
class MapView : public FormWindow {
  public:
    MapView(frmMap& form, const ViewContext& context, bool quitWhenShown);

    void Detach() override;

    QAbstractButton& OptionButton(int index) { return *buttons_.at(index); }
    QStatusBar& StatusBar() { return *status_; }
    // The option buttons and the search field on the screen: no other window goes over them.
    WindowRect ToolsRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void MoveTo(QMouseEvent* event);
    std::optional<WindowRect> BesideWindows() const;
    // The view's size: the window less the status bar along its bottom.
    QSize ViewSize() const;

    frmMap& map_;
    const ViewContext context_;
    std::vector<QAbstractButton*> buttons_;
    QStatusBar* status_;
    QLabel* nextClick_;
    MapFindBar* findBar_ = nullptr;
    bool quitWhenShown_;
    // The inner size the form last fitted its view to: the same size again needs no redraw.
    QSize formSize_;
    // The release that ends a double click is no click of its own.
    bool inDoubleClick_ = false;
    // Wheel turns short of a whole step (fine-grained wheels and touchpads).
    int wheelDelta_ = 0;
};

} // namespace dered
