#pragma once

namespace dered {

class Form;
class FormManager;
class QtPlatform;

// What every view is given beside its own form: the platform, the form manager that its close
// box unloads the form through, and the two windows that views place themselves against.
struct ViewContext {
    QtPlatform& platform;
    FormManager& forms;
    const Form& mainWindow; // frmWinQZ
    const Form& mapWindow;  // frmMap
};

} // namespace dered
