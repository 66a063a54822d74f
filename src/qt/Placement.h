#pragma once

#include "ui/WindowPlacement.h"

#include <QMargins>

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

} // namespace dered
