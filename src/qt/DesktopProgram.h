#pragma once

#include "app/Program.h"
#include "files/SettingsFiles.h"
#include "platform/SystemDisk.h"
#include "qt/QtPlatform.h"

#include <string>

namespace dered {

struct ShellOptions {
    // Ends the run as soon as the first map has been painted (for timing the start-up).
    bool quitWhenMapShown = false;
};

// The desktop program: the Qt platform, the settings file and the program, in the order that
// lets every window go before the forms it shows.
class DesktopProgram {
  public:
    DesktopProgram(ProgramOptions options, const SettingsPaths& settings, ShellOptions shell = {});
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    // Makes the main window and starts the program as its start-up object.
    void Start();

    QtPlatform platform;
    SettingsFiles ini;
    SystemDisk disk;
    Program program;
    const ShellOptions shell;
};

// The window of a form; a form without a view of its own gets a plain one.
FormView* MakeView(DesktopProgram& desktop, Form& form);

} // namespace dered
