#pragma once

#include "ui/Observable.h"

namespace dered {

struct Changed {};

// A plain "something changed" that its owner raises and anyone may follow.
class ChangeSignal : public Observable<Changed> {
  public:
    void Raise() { Notify({}); }
};

} // namespace dered
