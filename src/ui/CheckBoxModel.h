#pragma once

#include "ui/Changed.h"

#include <cstdint>
#include <string>
#include <utility>

namespace dered {

// A check box: 0 unchecked, 1 checked.
class CheckBoxModel : public Observable<Changed> {
  public:
    explicit CheckBoxModel(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    int16_t Value() const { return value_; }
    void SetValue(int16_t value) { Update(value_, value); }

  private:
    std::string caption_;
    int16_t value_ = 0;
};

} // namespace dered
