#pragma once

#include "app/SupportAttackQuestion.h"
#include "desk/UndoHistory.h"
#include "forms/EditMenu.h"
#include "forms/ProgramOptions.h"
#include "forms/TurnAllies.h"
#include "forms/frmANW.h"
#include "forms/frmAbout.h"
#include "forms/frmCallToArms.h"
#include "forms/frmEditHex.h"
#include "forms/frmExportMap.h"
#include "forms/frmGoTo.h"
#include "forms/frmGrantAccess.h"
#include "forms/frmHistory.h"
#include "forms/frmLegend.h"
#include "forms/frmMap.h"
#include "forms/frmMapOptions.h"
#include "forms/frmOrders.h"
#include "forms/frmOrdersOverview.h"
#include "forms/frmRelations.h"
#include "forms/frmSaveCheck.h"
#include "forms/frmSpy.h"
#include "forms/frmSummary.h"
#include "forms/frmSupportAttack.h"
#include "forms/frmThreats.h"
#include "forms/frmTurns.h"
#include "forms/frmUnitDisplay.h"
#include "forms/frmVictory.h"
#include "forms/frmWinQZ.h"
#include "forms/frmYourAreas.h"
#include "forms/frmZoom.h"
#include "state/Records.h"
#include "state/TurnEvents.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

#include <string>
#include <vector>

namespace dered {

class IniService;

// The running program: the process-wide records, the platform's services and the windows.
class Program {
  public:
    Program(Platform& platform, IniService& ini, Disk& disk, ProgramOptions options);

    Records records;
    Platform& platform;
    IniService& ini;
    Disk& disk;
    ProgramOptions options;
    FormManager forms;
    TurnEvents events;
    // Built before the windows, which follow the change signal from their constructors.
    SupportAttackQuestion supportedPlayer{forms, supportAttack};
    UndoHistory history{records.documents, events};

    frmWinQZ winQZ;
    // The allies' orders loaded into the open turn; the overview lists them.
    TurnAllies allies{records.documents, platform, events, winQZ.stbStatus};
    frmSummary summary;
    frmMap map;
    frmSupportAttack supportAttack;
    frmAbout about;
    frmANW anw;
    frmCallToArms callToArms;
    frmGrantAccess grantAccess;
    frmRelations relations;
    frmSpy spy;
    frmVictory victory;
    frmYourAreas yourAreas;
    frmEditHex editHex;
    frmZoom zoom;
    frmMapOptions mapOptions;
    frmUnitDisplay unitDisplay;
    frmOrders orders;
    frmOrdersOverview overview;
    frmGoTo goTo;
    frmSaveCheck saveCheck;
    frmLegend legend;
    frmTurns turns;
    frmExportMap exportMap;
    frmThreats threats;
    // View > History: the game's figures over the turns found.
    frmHistory gameHistory;
    // After the windows it opens.
    EditMenu editMenu;

    // Every window the program has, loaded or not.
    std::vector<Form*> AllForms();
    Form* FindForm(const std::string& name);

    // Starts the program as the desktop does: the main window loads and shows.
    void Start();

  private:
    void WireDialogMenus();
    void WireAllyMenus();
    void WireReachMenus();
};

} // namespace dered
