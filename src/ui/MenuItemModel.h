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
    // A menu's place for an item that only sometimes has something to show.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Update(visible_, visible); }
    // The key that chooses the item, in the platform's words ("Ctrl+O"); empty for none.
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    void SetChecked(bool checked) { Update(checked_, checked); }
    void SetCaption(const std::string& caption) { Update(caption_, caption); }

  private:
    std::string name_;
    std::string caption_;
    std::string shortcut_;
    bool checked_ = false;
    bool visible_ = true;
};

} // namespace dered

// A menu item declared once: the member, named as the scripts and views know it, and its caption.
#define DERED_MENU_ITEM(name, caption)                                                             \
    ::dered::MenuItemModel name = ::dered::MenuItemModel(#name, caption)
