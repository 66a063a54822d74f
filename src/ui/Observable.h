#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace dered {

// A control model tells its views (and its form's handlers) about every change.
template <typename Change> class Observable {
  public:
    using Listener = std::function<void(const Change&)>;

    int Subscribe(Listener listener) {
        listeners_.push_back({nextId_, std::move(listener)});
        return nextId_++;
    }

    void Unsubscribe(int id) {
        std::erase_if(listeners_, [id](const Entry& e) { return e.id == id; });
    }

  protected:
    void Notify(const Change& change) {
        // A listener may subscribe or unsubscribe while we notify: iterate over a copy.
        const auto snapshot = listeners_;
        for (const Entry& entry : snapshot) {
            entry.listener(change);
        }
    }
    // A setter's work: stores the value and tells the listeners, unless it is the one held.
    template <typename T> void Update(T& field, const T& value) {
        if (value != field) {
            field = value;
            Notify({});
        }
    }

  private:
    struct Entry {
        int id;
        Listener listener;
    };
    std::vector<Entry> listeners_;
    int nextId_ = 1;
};

} // namespace dered
