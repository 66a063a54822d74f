#include "app/Program.h"

#include <utility>

namespace dered {

Program::Program(Platform& platform, IniService& ini, Disk& disk, ProgramOptions options)
    : platform(platform), ini(ini), disk(disk), options(std::move(options)), forms(platform),
      winQZ(records, platform, forms, ini, disk, this->options, events, {summary, map, callToArms}),
      summary(records.documents, platform, forms, events),
      map(records, platform, forms, events, supportedPlayer,
          {winQZ, editHex, zoom, mapOptions, unitDisplay, spy, grantAccess}),
      supportAttack(records.documents, forms), anw(records.documents, platform, events),
      callToArms(records.documents, platform, events),
      grantAccess(records.documents, platform, events), relations(records.documents, platform),
      spy(records.documents, platform, events),
      victory(records.documents, platform, events, history), yourAreas(records.documents),
      editHex(records.hexMap, forms), zoom(records.settings, map),
      mapOptions(records.settings, records.documents, platform),
      unitDisplay(records.documents, platform, forms, map),
      overview(records.documents, events, map, allies),
      goTo(records.documents, platform, forms, map), saveCheck(records.documents, forms),
      legend(records.settings, records.documents, events, mapOptions),
      turns(records, platform, forms, winQZ, map), exportMap(records, platform, forms, disk),
      threats(records.documents, events, map),
      gameHistory(records, platform, forms, winQZ, disk, events),
      editMenu(winQZ, history, forms, overview, goTo) {
    winQZ.mnuAbout.onClick = [this] { forms.Show(about, Modality::Modeless); };
    winQZ.mnuOrders.onClick = [this] { forms.Show(orders, Modality::Modeless); };
    winQZ.mnuSave.onClick = [this] { saveCheck.Ask([this] { winQZ.mnuSave_Click(); }); };
    WireDialogMenus();
    WireAllyMenus();
    WireReachMenus();
}

void Program::WireAllyMenus() {
    winQZ.mnuLoadAllyOrders.onClick = [this] { allies.mnuLoadAllyOrders_Click(); };
    winQZ.mnuAlliesOrders.SetChecked(allies.Shown());
    winQZ.mnuAlliesOrders.onClick = [this] {
        allies.SetShown(!allies.Shown());
        winQZ.mnuAlliesOrders.SetChecked(allies.Shown());
    };
    events.Subscribe([this](const TurnChange& change) {
        if (change.allies) {
            map.canvas.ShowAllies(allies.Shown());
        }
    });
}

// Who can reach each area next turn: shading on the map, and the list of what is at risk.
void Program::WireReachMenus() {
    winQZ.mnuReach.onClick = [this] {
        map.canvas.ShowReach(!map.canvas.ReachShown());
        winQZ.mnuReach.SetChecked(map.canvas.ReachShown());
    };
    winQZ.mnuThreats.onClick = [this] { forms.Show(threats, Modality::Modeless); };
}

// Call to arms has its own handler on the main window: it checks the turn first.
void Program::WireDialogMenus() {
    winQZ.mnuANW.onClick = [this] { forms.Show(anw, Modality::Modal); };
    winQZ.mnuGrantAccess.onClick = [this] { forms.Show(grantAccess, Modality::Modeless); };
    winQZ.mnuSpy.onClick = [this] { forms.Show(spy, Modality::Modeless); };
    winQZ.mnuVictoryConditions.onClick = [this] { forms.Show(victory, Modality::Modeless); };
    winQZ.mnuRelations.onClick = [this] { forms.Show(relations, Modality::Modal); };
    winQZ.mnuYourAreas.onClick = [this] { forms.Show(yourAreas, Modality::Modeless); };
    winQZ.mnuLegend.onClick = [this] { forms.Show(legend, Modality::Modeless); };
    winQZ.mnuExportMap.onClick = [this] { forms.Show(exportMap, Modality::Modal); };
    winQZ.mnuTurns.onClick = [this] { forms.Show(turns, Modality::Modeless); };
    winQZ.mnuHistory.onClick = [this] { forms.Show(gameHistory, Modality::Modeless); };
}

std::vector<Form*> Program::AllForms() {
    return {&winQZ,       &summary,    &map,         &supportAttack, &about,
            &anw,         &callToArms, &grantAccess, &relations,     &spy,
            &victory,     &yourAreas,  &editHex,     &zoom,          &mapOptions,
            &unitDisplay, &overview,   &goTo,        &saveCheck,     &orders,
            &legend,      &turns,      &exportMap,   &threats,       &gameHistory};
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
    winQZ.OpenCommandLineReport();
}

} // namespace dered
