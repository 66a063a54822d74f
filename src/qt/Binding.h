#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace dered {

// Listeners on control models, removed with the binding. A binding is a QObject so that the
// Qt connections it makes end with it too.
class Binding : public QObject {
  public:
    ~Binding() override {
        for (const auto& unsubscribe : unsubscribe_) {
            unsubscribe();
        }
    }

  protected:
    template <typename Model, typename Listener> void Listen(Model& model, Listener listener) {
        const int id = model.Subscribe(std::move(listener));
        unsubscribe_.push_back([&model, id] { model.Unsubscribe(id); });
    }
    // Shows the model now and after each of its changes.
    template <typename Model> void ShowAndFollow(Model& model, std::function<void()> show) {
        Listen(model, [show](const auto&) { show(); });
        show();
    }

  private:
    std::vector<std::function<void()>> unsubscribe_;
};

// Runs an action on each change a signal reports: a redraw, a rebuild.
class ActionBinding : public Binding {
  public:
    template <typename Signal> ActionBinding(Signal& signal, std::function<void()> action) {
        Listen(signal, [action = std::move(action)](const auto&) { action(); });
    }
};

// Lends one of the form's hooks (a std::function the desktop sets) a function of the view's,
// for as long as the binding lives.
template <typename Hook> class HookBinding : public Binding {
  public:
    HookBinding(Hook& hook, Hook function) : hook_(hook) { hook_ = std::move(function); }
    ~HookBinding() override { hook_ = nullptr; }

  private:
    Hook& hook_;
};

// The bindings of one view; clearing it cuts the view off from its form.
class BindingSet {
  public:
    template <typename B, typename... Args> B& Add(Args&&... args) {
        auto binding = std::make_unique<B>(std::forward<Args>(args)...);
        B& ref = *binding;
        bindings_.push_back(std::move(binding));
        return ref;
    }
    void Clear() { bindings_.clear(); }

  private:
    std::vector<std::unique_ptr<Binding>> bindings_;
};

} // namespace dered
