#pragma once

namespace dered {

class Form;
class FormManager;
class QtPlatform;

// What every view is given beside its own form: the platform, the form manager that its close
// box unloads the form through, and the windows that views place themselves against.
struct ViewContext {
    QtPlatform& platform;
    FormManager& forms;
    const Form& mainWindow; // frmWinQZ
    const Form& mapWindow;  // frmMap
    Form& summaryWindow;    // frmSummary, whose view the map window makes room for
};

} // namespace dered
