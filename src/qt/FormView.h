#pragma once

class QWidget;

namespace dered {

// The window of one headless form. Its widget lives as long as Qt keeps it; Detach cuts it
// off from the form's models first, so that a widget deleted later never touches a form.
class FormView {
  public:
    virtual ~FormView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Detach() = 0;
};

} // namespace dered
