#pragma once

#include "ui/Changed.h"

namespace dered {

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
    void SetValue(int value) { Update(value_, value); }

  private:
    int min_;
    int max_;
    int value_;
};

} // namespace dered
