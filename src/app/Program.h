#pragma once

#include "app/DialogClickTargets.h"
#include "app/Records.h"
#include "map/frmEditHex.h"
#include "map/frmMap.h"
#include "map/frmZoom.h"
#include "orders/frmANW.h"
#include "orders/frmCallToArms.h"
#include "orders/frmGrantAccess.h"
#include "orders/frmRelations.h"
#include "orders/frmSupportAttack.h"
#include "report/frmWinQZ.h"
#include "settings/frmAbout.h"
#include "settings/frmMapOptions.h"
#include "settings/frmSpy.h"
#include "settings/frmSummary.h"
#include "settings/frmUnitDisplay.h"
#include "settings/frmVictory.h"
#include "settings/frmYourAreas.h"
#include "ui/FormManager.h"
#include "ui/Platform.h"

#include <string>
#include <vector>

namespace dered {

class IniService;

struct ProgramOptions {
    std::string executableDir; // the folder of the running program, where the map files are
    std::string commandLine;   // the optional report path given at start-up
};

// The running program: the process-wide records, the platform's services and the windows.
class Program {
  public:
    Program(Platform& platform, IniService& ini, ProgramOptions options);

    Records records;
    Platform& platform;
    IniService& ini;
    ProgramOptions options;
    FormManager forms;

    frmWinQZ winQZ;
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

    // Every window the program has, loaded or not.
    std::vector<Form*> AllForms();
    Form* FindForm(const std::string& name);

    // Starts the program as the desktop does: the main window loads and shows.
    void Start();
    // Reads the settings file and puts the "Hex map" tick in line with it.
    void LoadSettingsFile();
    // Refills the area grid and the summary figures from the records.
    void RefreshAll();

  private:
    void WireDialogMenus();

    DialogClickTargets clickTargets_{spy, grantAccess};
};

} // namespace dered
