#include "ui/FormManager.h"

#include <algorithm>

namespace dered {

void FormManager::EnsureLoaded(Form& form) {
    if (form.loaded_) {
        return;
    }
    form.loaded_ = true;
    open_.push_back(&form);
    form.Form_Load();
}

void FormManager::Show(Form& form, Modality modality, std::function<void()> whenClosed) {
    EnsureLoaded(form);
    if (!form.loaded_) {
        return; // Form_Load unloaded it again
    }
    form.visible_ = true;
    if (modality == Modality::Modal) {
        waiting_.push_back({&form, std::move(whenClosed)});
    }
    platform_.FormShown(form, modality == Modality::Modal);
}

void FormManager::Hide(Form& form) {
    if (!form.visible_) {
        return;
    }
    form.visible_ = false;
    platform_.FormHidden(form);
    Closed(form);
}

void FormManager::Unload(Form& form) {
    if (!form.loaded_) {
        return;
    }
    form.Form_Unload();
    form.loaded_ = false;
    form.visible_ = false;
    std::erase(open_, &form);
    platform_.FormUnloaded(form);
    Closed(form);
}

void FormManager::Closed(Form& form) {
    auto it = std::find_if(waiting_.begin(), waiting_.end(),
                           [&form](const Waiting& w) { return w.form == &form; });
    if (it == waiting_.end()) {
        return;
    }
    auto whenClosed = std::move(it->whenClosed);
    waiting_.erase(it);
    if (whenClosed) {
        whenClosed();
    }
}

Form* FormManager::Find(const std::string& name) const {
    for (Form* form : open_) {
        if (form->Name() == name) {
            return form;
        }
    }
    return nullptr;
}

void FormManager::UnloadIfLoaded(const std::string& name) {
    if (Form* form = Find(name)) {
        Unload(*form);
    }
}

} // namespace dered
