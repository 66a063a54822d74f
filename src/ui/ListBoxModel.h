#pragma once

#include "ui/Observable.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dered {

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
