#include "app/Program.h"

#include "files/Settings.h"
#include "forms/AreaDisplay.h"

#include <utility>

namespace dered {

Program::Program(Platform& platform, IniService& ini, ProgramOptions options)
    : platform(platform), ini(ini), options(std::move(options)), forms(platform), winQZ(*this),
      summary(*this), map(*this), supportAttack(*this), anw(*this), callToArms(*this),
      grantAccess(*this), relations(*this), spy(*this), victory(*this), yourAreas(*this),
      editHex(*this), zoom(*this), mapOptions(*this), unitDisplay(*this) {
    winQZ.mnuAbout.onClick = [this] { forms.Show(about, Modality::Modeless); };
    WireDialogMenus();
    map.SetClickTargets(&clickTargets_);
}

// Call to arms has its own handler on the main window: it checks the turn first.
void Program::WireDialogMenus() {
    winQZ.mnuANW.onClick = [this] { forms.Show(anw, Modality::Modal); };
    winQZ.mnuGrantAccess.onClick = [this] { forms.Show(grantAccess, Modality::Modeless); };
    winQZ.mnuSpy.onClick = [this] { forms.Show(spy, Modality::Modeless); };
    winQZ.mnuVictoryConditions.onClick = [this] { forms.Show(victory, Modality::Modeless); };
    winQZ.mnuRelations.onClick = [this] { forms.Show(relations, Modality::Modal); };
    winQZ.mnuYourAreas.onClick = [this] { forms.Show(yourAreas, Modality::Modeless); };
}

std::vector<Form*> Program::AllForms() {
    return {&winQZ,      &summary,     &map,        &supportAttack, &about,   &anw,
            &callToArms, &grantAccess, &relations,  &spy,           &victory, &yourAreas,
            &editHex,    &zoom,        &mapOptions, &unitDisplay};
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
