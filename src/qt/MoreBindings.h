#pragma once

#include "qt/Bindings.h"

class QFrame;
class QPlainTextEdit;

namespace dered {

class SwatchModel;

// A text box that only shows its text, wrapped over several lines.
template <>
WidgetBinding<TextBoxModel, QPlainTextEdit>::WidgetBinding(TextBoxModel&, QPlainTextEdit&);
using ShownTextBinding = WidgetBinding<TextBoxModel, QPlainTextEdit>;

// A swatch on a frame filled with the model's colour; a click on the frame clicks the model.
template <> WidgetBinding<SwatchModel, QFrame>::WidgetBinding(SwatchModel&, QFrame&);
using SwatchBinding = WidgetBinding<SwatchModel, QFrame>;

} // namespace dered
