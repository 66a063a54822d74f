#pragma once

#include "qt/Binding.h"

#include <functional>

class QFrame;
class QPlainTextEdit;

namespace dered {

class SwatchModel;
class TextBoxModel;

// A text box that only shows its text, wrapped over several lines.
class ShownTextBinding : public Binding {
  public:
    ShownTextBinding(TextBoxModel& model, QPlainTextEdit& box);
};

// A swatch on a frame filled with the model's colour; a click on the frame clicks the model.
class SwatchBinding : public Binding {
  public:
    SwatchBinding(SwatchModel& model, QFrame& frame);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show();
    SwatchModel& model_;
    QFrame& frame_;
};

} // namespace dered
