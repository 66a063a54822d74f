#pragma once

#include "ui/Changed.h"

#include <functional>
#include <string>
#include <utility>

namespace dered {

// What a button and a menu item share: an enabled state and a click that a disabled control
// ignores.
class ClickableModel : public Observable<Changed> {
  public:
    bool Enabled() const { return enabled_; }
    // whyNot: what a disabled control tells the player about itself (its tooltip).
    void SetEnabled(bool enabled, std::string whyNot = {}) {
        if (enabled) {
            whyNot.clear();
        }
        if (enabled != enabled_ || whyNot != whyNot_) {
            enabled_ = enabled;
            whyNot_ = std::move(whyNot);
            Notify({});
        }
    }
    const std::string& WhyDisabled() const { return whyNot_; }
    std::function<void()> onClick;
    // Returns false when the control is disabled and nothing happened.
    bool Click() {
        if (!enabled_) {
            return false;
        }
        if (onClick) {
            onClick();
        }
        return true;
    }

  protected:
    using Observable<Changed>::Notify;

  private:
    bool enabled_ = true;
    std::string whyNot_;
};

} // namespace dered
