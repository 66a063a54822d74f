#pragma once

#include "ui/Observable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace dered {

struct Changed {};

// A caption, a label's text: a text the views show.
class TextModel : public Observable<Changed> {
  public:
    explicit TextModel(std::string text = {}) : text_(std::move(text)) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) {
        if (text != text_) {
            text_ = text;
            Notify({});
        }
    }

  private:
    std::string text_;
};

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

// A button or a clickable swatch.
class ButtonModel : public Observable<Changed> {
  public:
    explicit ButtonModel(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled != enabled_) {
            enabled_ = enabled;
            Notify({});
        }
    }
    std::function<void()> onClick;
    // Returns false when the button is disabled and nothing happened.
    bool Click() {
        if (!enabled_) {
            return false;
        }
        if (onClick) {
            onClick();
        }
        return true;
    }

  private:
    std::string caption_;
    bool enabled_ = true;
};

class MenuItemModel : public Observable<Changed> {
  public:
    MenuItemModel(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool Enabled() const { return enabled_; }
    bool Checked() const { return checked_; }
    void SetEnabled(bool enabled) {
        if (enabled != enabled_) {
            enabled_ = enabled;
            Notify({});
        }
    }
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
    std::function<void()> onClick;
    bool Click() {
        if (!enabled_) {
            return false;
        }
        if (onClick) {
            onClick();
        }
        return true;
    }

  private:
    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
};

// A check box: 0 unchecked, 1 checked.
class CheckBoxModel : public Observable<Changed> {
  public:
    explicit CheckBoxModel(std::string caption = {}) : caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    int16_t Value() const { return value_; }
    void SetValue(int16_t value) {
        if (value != value_) {
            value_ = value;
            Notify({});
        }
    }

  private:
    std::string caption_;
    int16_t value_ = 0;
};

class ScrollBarModel : public Observable<Changed> {
  public:
    ScrollBarModel(int min, int max, int value) : min_(min), max_(max), value_(value) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void SetMax(int max) {
        max_ = max;
        Notify({});
    }
    void SetValue(int value) {
        if (value != value_) {
            value_ = value;
            Notify({});
        }
    }

  private:
    int min_;
    int max_;
    int value_;
};

// A row of option buttons of which at most one is chosen.
class OptionGroupModel : public Observable<Changed> {
  public:
    explicit OptionGroupModel(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    const std::vector<std::string>& Captions() const { return captions_; }
    int Chosen() const { return chosen_; }
    bool Value(int index) const { return index == chosen_; }
    void Choose(int index) {
        if (index != chosen_) {
            chosen_ = index;
            Notify({});
        }
    }
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
    int chosen_ = -1;
};

struct ListChange {
    enum class Kind { Items, Selection };
    Kind kind;
};

// A list box whose lines carry a hidden item value.
class ListBoxModel : public Observable<ListChange> {
  public:
    struct Line {
        std::string text;
        int32_t itemData;
    };
    const std::vector<Line>& Lines() const { return lines_; }
    int ListCount() const { return static_cast<int>(lines_.size()); }
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index) {
        const int wanted = (index >= 0 && index < ListCount()) ? index : -1;
        if (wanted != listIndex_) {
            listIndex_ = wanted;
            Notify({ListChange::Kind::Selection});
        }
    }
    void AddItem(const std::string& text, int32_t itemData) {
        lines_.push_back({text, itemData});
        Notify({ListChange::Kind::Items});
    }
    void RemoveItem(int index) {
        if (index < 0 || index >= ListCount()) {
            return;
        }
        lines_.erase(lines_.begin() + index);
        if (listIndex_ >= ListCount() || listIndex_ == index) {
            listIndex_ = -1;
        } else if (listIndex_ > index) {
            --listIndex_;
        }
        Notify({ListChange::Kind::Items});
    }
    void Clear() {
        lines_.clear();
        listIndex_ = -1;
        Notify({ListChange::Kind::Items});
    }
    // All lines at once, with one notification; nothing is chosen afterwards.
    void SetLines(std::vector<Line> lines) {
        lines_ = std::move(lines);
        listIndex_ = -1;
        Notify({ListChange::Kind::Items});
    }
    int IndexOfItemData(int32_t itemData) const {
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].itemData == itemData) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

  private:
    std::vector<Line> lines_;
    int listIndex_ = -1;
};

} // namespace dered
