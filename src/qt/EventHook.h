#pragma once

#include <QObject>

#include <functional>
#include <utility>

class QEvent;

namespace dered {

// Sees each event of one object before the object does; the function's true takes the event.
// It ends with its parent.
class EventHook : public QObject {
  public:
    EventHook(QObject& watched, QObject* parent, std::function<bool(QEvent&)> onEvent)
        : QObject(parent), watched_(watched), onEvent_(std::move(onEvent)) {
        watched.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return watched == &watched_ && onEvent_(*event);
    }

  private:
    QObject& watched_;
    std::function<bool(QEvent&)> onEvent_;
};

} // namespace dered
