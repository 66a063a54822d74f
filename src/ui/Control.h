#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace dered {

// A control of a form: its model, known to the scripts and the views by the name it was
// declared under. It joins its form's controls when it is made, so a form's controls are in
// the order they are declared.
template <typename Model> class Control : public Model, public ControlName {
  public:
    template <typename... Args>
    Control(Form& form, std::string name, Args&&... args)
        : Model(std::forward<Args>(args)...), ControlName(std::move(name)) {
        form.AddControl(Name(), static_cast<Model*>(this));
    }
    // The form holds its address.
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
};

// A control array: the controls "name(first)", "name(first + 1)" and so on.
template <typename Model, size_t N> class ControlArray {
  public:
    ControlArray(Form& form, std::string_view name)
        : ControlArray(form, name, std::make_index_sequence<N>()) {}
    ControlArray(Form& form, std::string_view name, std::array<Model, N> initial, size_t first = 0)
        : ControlArray(form, name, std::move(initial), first, std::make_index_sequence<N>()) {}

    Control<Model>& operator[](size_t index) { return controls_[index]; }
    const Control<Model>& operator[](size_t index) const { return controls_[index]; }
    static constexpr size_t size() { return N; }
    auto begin() { return controls_.begin(); }
    auto end() { return controls_.end(); }
    auto begin() const { return controls_.begin(); }
    auto end() const { return controls_.end(); }

  private:
    template <size_t... I>
    ControlArray(Form& form, std::string_view name, std::index_sequence<I...> /*indexes*/)
        : controls_{{Control<Model>(form, Indexed(name, I))...}} {}
    template <size_t... I>
    ControlArray(Form& form, std::string_view name, std::array<Model, N>&& initial, size_t first,
                 std::index_sequence<I...> /*indexes*/)
        : controls_{{Control<Model>(form, Indexed(name, first + I), std::move(initial[I]))...}} {}
    static std::string Indexed(std::string_view name, size_t index) {
        return std::string(name) + "(" + std::to_string(index) + ")";
    }

    std::array<Control<Model>, N> controls_;
};

} // namespace dered

// A form's control, declared once: the member, named as the scripts and views know it, with
// the model's own arguments after the name. FormOfControls() is the form it belongs to.
#define DERED_CONTROL(Model, name, ...)                                                            \
    ::dered::Control<Model> name {                                                                 \
        FormOfControls(), #name __VA_OPT__(, ) __VA_ARGS__                                         \
    }
// A control array of N: the models' first values, and the first index when it is not 0.
#define DERED_CONTROLS(Model, N, name, ...)                                                        \
    ::dered::ControlArray<Model, N> name {                                                         \
        FormOfControls(), #name __VA_OPT__(, ) __VA_ARGS__                                         \
    }
