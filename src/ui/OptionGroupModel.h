#pragma once

#include "ui/Changed.h"

#include <string>
#include <utility>
#include <vector>

namespace dered {

// A row of option buttons of which at most one is chosen.
class OptionGroupModel : public Observable<Changed> {
  public:
    explicit OptionGroupModel(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    const std::vector<std::string>& Captions() const { return captions_; }
    int Chosen() const { return chosen_; }
    bool Value(int index) const { return index == chosen_; }
    // One tooltip per button, or none.
    const std::vector<std::string>& ToolTips() const { return toolTips_; }
    void SetToolTips(std::vector<std::string> tips) { toolTips_ = std::move(tips); }
    void Choose(int index) { Update(chosen_, index); }
    int IndexOf(const std::string& caption) const {
        for (size_t i = 0; i < captions_.size(); ++i) {
            if (captions_[i] == caption) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

  private:
    std::vector<std::string> captions_;
    std::vector<std::string> toolTips_;
    int chosen_ = -1;
};

} // namespace dered
