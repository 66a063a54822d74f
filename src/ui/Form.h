#pragma once

#include "ui/Controls.h"

#include <string>
#include <utility>

namespace dered {

// The headless part of a window: its controls' models and its event handlers.
// Views in the desktop shell and the batch driver both drive a form through these.
class Form {
  public:
    Form(std::string name, std::string designCaption)
        : name_(std::move(name)), caption(std::move(designCaption)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    bool IsLoaded() const { return loaded_; }
    bool IsVisible() const { return visible_; }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

  private:
    friend class FormManager;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;

  public:
    TextModel caption;
};

} // namespace dered
