#include "qt/DesktopProgram.h"

#include "qt/ANWView.h"
#include "qt/AboutView.h"
#include "qt/CallToArmsView.h"
#include "qt/EditHexView.h"
#include "qt/GenericFormView.h"
#include "qt/GrantAccessView.h"
#include "qt/MapOptionsView.h"
#include "qt/MapView.h"
#include "qt/RelationsView.h"
#include "qt/SpyView.h"
#include "qt/SummaryView.h"
#include "qt/SupportAttackView.h"
#include "qt/UnitDisplayView.h"
#include "qt/VictoryView.h"
#include "qt/WinQZView.h"
#include "qt/YourAreasView.h"
#include "qt/ZoomView.h"

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

namespace {

FormView* MakeDialogView(Program& program, QtPlatform& platform, Form& form) {
    if (&form == &program.anw) {
        return new ANWView(program, platform);
    }
    if (&form == &program.callToArms) {
        return new CallToArmsView(program, platform);
    }
    if (&form == &program.grantAccess) {
        return new GrantAccessView(program, platform);
    }
    if (&form == &program.supportAttack) {
        return new SupportAttackView(program, platform);
    }
    if (&form == &program.relations) {
        return new RelationsView(program, platform);
    }
    if (&form == &program.spy) {
        return new SpyView(program, platform);
    }
    if (&form == &program.victory) {
        return new VictoryView(program, platform);
    }
    if (&form == &program.yourAreas) {
        return new YourAreasView(program, platform);
    }
    if (&form == &program.editHex) {
        return new EditHexView(program, platform);
    }
    if (&form == &program.zoom) {
        return new ZoomView(program, platform);
    }
    if (&form == &program.mapOptions) {
        return new MapOptionsView(program, platform);
    }
    if (&form == &program.unitDisplay) {
        return new UnitDisplayView(program, platform);
    }
    return nullptr;
}

} // namespace

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
    if (FormView* dialog = MakeDialogView(program, platform, form)) {
        return dialog;
    }
    return new GenericFormView(program, platform, form);
}

} // namespace dered
