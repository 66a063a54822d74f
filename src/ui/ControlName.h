#pragma once

#include <string>
#include <utility>

namespace dered {

// The name a form's control goes by, which its widget takes as its object name.
class ControlName {
  public:
    explicit ControlName(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

  private:
    std::string name_;
};

} // namespace dered
