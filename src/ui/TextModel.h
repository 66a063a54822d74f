#pragma once

#include "ui/Changed.h"

#include <string>
#include <utility>

namespace dered {

// A caption, a label's text: a text the views show.
class TextModel : public Observable<Changed> {
  public:
    explicit TextModel(std::string text = {}) : text_(std::move(text)) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { Update(text_, text); }

  private:
    std::string text_;
};

} // namespace dered
