#pragma once

#include "ui/ClickableModel.h"

#include <string>
#include <utility>

namespace dered {

class MenuItemModel : public ClickableModel {
  public:
    MenuItemModel(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) {
        if (checked != checked_) {
            checked_ = checked;
            Notify({});
        }
    }
    void SetCaption(const std::string& caption) {
        if (caption != caption_) {
            caption_ = caption;
            Notify({});
        }
    }

  private:
    std::string name_;
    std::string caption_;
    bool checked_ = false;
};

} // namespace dered
