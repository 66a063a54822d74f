#pragma once

#include "ui/WindowPlacement.h"

#include <QMargins>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace dered {

// The frame the window manager puts around a window: the real one once the window has it,
// else a generous guess, so that a title placed by the guess is never covered.
QMargins FrameMargins(const QWidget& window);
// The window's outer rectangle, its frame as FrameMargins has it.
WindowRect OuterRect(const QWidget& window);
// The available area of the screen the window is on (the primary one before it is shown).
WindowRect AvailableScreen(const QWidget& window);
// Gives the window the outer rectangle: its inner part is the rectangle less the frame.
void SetOuterRect(QWidget& window, const WindowRect& outer);

// A window other than the three main ones, once its view has placed it: made no larger than
// the screen as far as it can shrink, and moved onto the screen and off `keepClear` (the map's
// buttons and search field).
void FitOnScreenClearOf(QWidget& window, const std::optional<WindowRect>& keepClear);

class Form;

// Keeps the form's place current while its window is on the screen.
void KeepPlace(QWidget& window, Form& form);

// Where the form's window was last, brought onto the screen; none before it was ever placed.
std::optional<WindowRect> RememberedPlace(const QWidget& window, const Form& form);

// Puts a window at an outer rectangle when it is first shown, and again until the window
// manager has given it its frame (which comes some time after), so that the frame lands where it
// should.
class FramedPlacer : public QObject {
  public:
    // The rectangle wanted now; none leaves the window where it is.
    using Target = std::function<std::optional<WindowRect>()>;
    FramedPlacer(QWidget& window, Target target);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply();

    QWidget& window_;
    Target target_;
    QTimer timer_;
    int tries_ = 0;
    bool started_ = false;
};

} // namespace dered
