#pragma once

#include "ui/ClickableModel.h"

#include <string>
#include <utility>

namespace dered {

// A button or a clickable swatch.
class ButtonModel : public ClickableModel {
  public:
    explicit ButtonModel(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }

  private:
    std::string caption_;
};

} // namespace dered
