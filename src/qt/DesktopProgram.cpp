#include "qt/DesktopProgram.h"

#include "qt/AboutView.h"
#include "qt/GenericFormView.h"
#include "qt/MapView.h"
#include "qt/SummaryView.h"
#include "qt/WinQZView.h"

#include <utility>

namespace dered {

DesktopProgram::DesktopProgram(ProgramOptions options, const std::string& settingsPath,
                               ShellOptions shellOptions)
    : ini(settingsPath), program(platform, ini, std::move(options)), shell(shellOptions) {
    platform.SetViewMaker([this](Form& form) { return MakeView(*this, form); });
}

DesktopProgram::~DesktopProgram() {
    platform.DestroyViews();
}

void DesktopProgram::Start() {
    // The main window exists before its Form_Load shows the summary beside it.
    platform.EnsureView(program.winQZ);
    program.Start();
}

FormView* MakeView(DesktopProgram& desktop, Form& form) {
    Program& program = desktop.program;
    QtPlatform& platform = desktop.platform;
    if (&form == &program.winQZ) {
        return new WinQZView(program, platform);
    }
    if (&form == &program.summary) {
        return new SummaryView(program, platform);
    }
    if (&form == &program.map) {
        return new MapView(program, platform, desktop.shell.quitWhenMapShown);
    }
    if (&form == &program.about) {
        return new AboutView(program, platform);
    }
    return new GenericFormView(program, platform, form);
}

} // namespace dered
