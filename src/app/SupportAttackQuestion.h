#pragma once

#include "forms/SupportedPlayerQuestion.h"
#include "forms/frmSupportAttack.h"
#include "ui/FormManager.h"

#include <utility>

namespace dered {

// The support-attack rule's question, asked with the modal support-attack dialog.
class SupportAttackQuestion : public SupportedPlayerQuestion {
  public:
    SupportAttackQuestion(FormManager& forms, frmSupportAttack& dialog)
        : forms_(forms), dialog_(dialog) {}

    bool IsAsking() const override { return dialog_.IsVisible(); }
    void Ask(std::function<void()> answered) override {
        forms_.Show(dialog_, Modality::Modal, std::move(answered));
    }

  private:
    FormManager& forms_;
    frmSupportAttack& dialog_;
};

} // namespace dered
