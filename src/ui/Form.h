#pragma once

#include "ui/ControlName.h"
#include "ui/Controls.h"
#include "ui/GridModel.h"
#include "ui/WindowPlacement.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace dered {

using ControlRef = std::variant<GridModel*, ListBoxModel*, TextBoxModel*, ButtonModel*,
                                CheckBoxModel*, ScrollBarModel*, TextModel*, OptionGroupModel*>;

template <typename Model> class Control;

// The headless part of a window: its controls' models and its event handlers.
// Views in the desktop shell and the batch driver both drive a form through these.
class Form {
  public:
    Form(std::string name, std::string designCaption)
        : name_(std::move(name)), caption(std::move(designCaption)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    bool IsLoaded() const { return loaded_; }
    bool IsVisible() const { return visible_; }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Controls by name, as scripts and views address them: "grdArea", "cmdNeutral(1)".
    const std::vector<std::pair<std::string, ControlRef>>& Controls() const { return controls_; }
    std::optional<ControlRef> FindControl(const std::string& name) const {
        for (const auto& [controlName, control] : controls_) {
            if (controlName == name) {
                return control;
            }
        }
        return std::nullopt;
    }

  protected:
    void AddControl(std::string name, ControlRef control) {
        controls_.emplace_back(std::move(name), control);
    }
    // Where the declarations of the form's controls find their form.
    Form& FormOfControls() { return *this; }
    // Moves a control to just after another in the form's order: an element of a control array
    // beside the controls it goes with.
    void PlaceAfter(const ControlName& anchor, const ControlName& control) {
        const auto named = [this](const ControlName& wanted) {
            return std::ranges::find_if(
                controls_, [&wanted](const auto& entry) { return entry.first == wanted.Name(); });
        };
        const auto moved = named(control);
        if (moved == controls_.end() || named(anchor) == controls_.end()) {
            return; // not the form's: its order stays
        }
        const auto entry = *moved;
        controls_.erase(moved);
        controls_.insert(named(anchor) + 1, entry);
    }

  private:
    friend class FormManager;
    template <typename Model> friend class Control;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;
    std::vector<std::pair<std::string, ControlRef>> controls_;

  public:
    TextModel caption;
    // Where the window is, or was when last shown: its outer rectangle on the screen, kept by
    // its view. The main windows' places are remembered from one run to the next.
    std::optional<WindowRect> place;
};

} // namespace dered
