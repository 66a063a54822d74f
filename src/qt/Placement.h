#pragma once

#include "ui/WindowPlacement.h"

#include <QMargins>
#include <QObject>

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

class Form;

// Keeps the form's place current while its window is on the screen.
class PlaceKeeper : public QObject {
  public:
    PlaceKeeper(QWidget& window, Form& form);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    Form& form_;
};

// Puts the window where its form was last, brought onto the screen; false when the form has
// no place yet.
bool MoveToRememberedPlace(QWidget& window, const Form& form);

} // namespace dered
