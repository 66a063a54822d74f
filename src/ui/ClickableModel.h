#pragma once

#include "ui/Changed.h"

#include <functional>

namespace dered {

// What a button and a menu item share: an enabled state and a click that a disabled control
// ignores.
class ClickableModel : public Observable<Changed> {
  public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled != enabled_) {
            enabled_ = enabled;
            Notify({});
        }
    }
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
};

} // namespace dered
