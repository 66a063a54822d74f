#pragma once

#include "ui/Form.h"
#include "ui/Platform.h"

#include <functional>
#include <vector>

namespace dered {

enum class Modality { Modeless, Modal };

// Loads, shows, hides and unloads forms. What runs "when a modal dialog closes" is a
// continuation, run when the form is hidden or unloaded, so that no driver has to block.
class FormManager {
  public:
    explicit FormManager(Platform& platform) : platform_(platform) {}

    // Loads the form if needed (running its Form_Load) without showing it.
    void EnsureLoaded(Form& form);
    void Show(Form& form, Modality modality, std::function<void()> whenClosed = {});
    void Hide(Form& form);
    void Unload(Form& form);

    // The loaded forms, in the order they were loaded.
    const std::vector<Form*>& OpenForms() const { return open_; }
    Form* Find(const std::string& name) const;
    void UnloadIfLoaded(const std::string& name);

  private:
    struct Waiting {
        Form* form;
        std::function<void()> whenClosed;
    };
    void Closed(Form& form);

    Platform& platform_;
    std::vector<Form*> open_;
    std::vector<Waiting> waiting_;
};

} // namespace dered
