#pragma once

#include "ui/Changed.h"

#include <string>

namespace dered {

// A text box: every change of its text, typed or set by the program, is a change event.
class TextBoxModel : public Observable<Changed> {
  public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) {
        text_ = text;
        Notify({});
    }
    // What typing one character at the end does.
    void Type(char c) { SetText(text_ + c); }

  private:
    std::string text_;
};

} // namespace dered
