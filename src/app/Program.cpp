#include "app/Program.h"

#include "settings/Settings.h"
#include "state/AreaDisplay.h"

#include <utility>

namespace dered {

Program::Program(Platform& platform, IniService& ini, ProgramOptions options)
    : platform(platform), ini(ini), options(std::move(options)), forms(platform), winQZ(*this),
      summary(*this), map(*this), supportAttack(*this) {
    winQZ.mnuAbout.onClick = [this] { forms.Show(about, Modality::Modeless); };
}

std::vector<Form*> Program::AllForms() {
    return {&winQZ, &summary, &map, &supportAttack, &about};
}

Form* Program::FindForm(const std::string& name) {
    for (Form* form : AllForms()) {
        if (form->Name() == name) {
            return form;
        }
    }
    return nullptr;
}

void Program::Start() {
    forms.Show(winQZ, Modality::Modeless);
}

void Program::LoadSettingsFile() {
    LoadSettings(records.settings, ini);
    winQZ.mnuHex.SetChecked(records.settings.HexDisplay != 0);
}

void Program::RefreshAll() {
    forms.EnsureLoaded(summary);
    dered::RefreshAll(records.game, winQZ.grdArea, summary.grdSummary);
}

} // namespace dered
