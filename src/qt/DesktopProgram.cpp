#include "qt/DesktopProgram.h"

#include "qt/ANWView.h"
#include "qt/AboutView.h"
#include "qt/CallToArmsView.h"
#include "qt/EditHexView.h"
#include "qt/ExportMapView.h"
#include "qt/GenericFormView.h"
#include "qt/GrantAccessView.h"
#include "qt/HistoryView.h"
#include "qt/LegendView.h"
#include "qt/MapOptionsView.h"
#include "qt/MapView.h"
#include "qt/OrdersView.h"
#include "qt/Placement.h"
#include "qt/RelationsView.h"
#include "qt/ReportDrop.h"
#include "qt/SpyView.h"
#include "qt/SummaryView.h"
#include "qt/SupportAttackView.h"
#include "qt/TurnsView.h"
#include "qt/UnitDisplayView.h"
#include "qt/VictoryView.h"
#include "qt/WinQZView.h"
#include "qt/YourAreasView.h"
#include "qt/ZoomView.h"

#include <array>
#include <optional>
#include <utility>

namespace dered {

DesktopProgram::DesktopProgram(ProgramOptions options, const SettingsPaths& settings,
                               ShellOptions shellOptions)
    : ini(settings), program(platform, ini, disk, std::move(options)), shell(shellOptions) {
    platform.SetViewMaker([this](Form& form) { return MakeView(*this, form); });
    // The main, summary and map windows place one another; every other window goes on the
    // screen and off the map's buttons.
    platform.SetShownHook([this](Form& form, QWidget& window) {
        if (&form == &program.winQZ || &form == &program.summary || &form == &program.map) {
            return;
        }
        const auto* map = dynamic_cast<MapView*>(platform.ViewOf(program.map));
        FitOnScreenClearOf(window, map != nullptr && map->isVisible()
                                       ? std::optional<WindowRect>(map->ToolsRect())
                                       : std::nullopt);
    });
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

// A form of the program and how its view is made.
struct ViewEntry {
    Form& (*form)(Program&);
    FormView* (*make)(Program&, const ViewContext&, const ShellOptions&);
};

// View class V over the form at member F.
template <typename V, auto F> constexpr ViewEntry View() {
    return {[](Program& program) -> Form& { return program.*F; },
            [](Program& program, const ViewContext& context, const ShellOptions&) -> FormView* {
                return new V(program.*F, context);
            }};
}

constexpr ViewEntry kMapView = {
    [](Program& program) -> Form& { return program.map; },
    [](Program& program, const ViewContext& context, const ShellOptions& shell) -> FormView* {
        return new MapView(program.map, context, shell.quitWhenMapShown);
    }};

constexpr std::array kViews = {
    View<WinQZView, &Program::winQZ>(),
    View<SummaryView, &Program::summary>(),
    kMapView,
    View<AboutView, &Program::about>(),
    View<ANWView, &Program::anw>(),
    View<CallToArmsView, &Program::callToArms>(),
    View<GrantAccessView, &Program::grantAccess>(),
    View<SupportAttackView, &Program::supportAttack>(),
    View<RelationsView, &Program::relations>(),
    View<SpyView, &Program::spy>(),
    View<VictoryView, &Program::victory>(),
    View<YourAreasView, &Program::yourAreas>(),
    View<EditHexView, &Program::editHex>(),
    View<ZoomView, &Program::zoom>(),
    View<MapOptionsView, &Program::mapOptions>(),
    View<UnitDisplayView, &Program::unitDisplay>(),
    View<OrdersView, &Program::orders>(),
    View<LegendView, &Program::legend>(),
    View<TurnsView, &Program::turns>(),
    View<ExportMapView, &Program::exportMap>(),
    View<HistoryView, &Program::gameHistory>(),
};

} // namespace

FormView* MakeView(DesktopProgram& desktop, Form& form) {
    Program& program = desktop.program;
    const ViewContext context{desktop.platform, program.forms, program.winQZ, program.map,
                              program.summary};
    for (const ViewEntry& entry : kViews) {
        if (&entry.form(program) == &form) {
            FormView* view = entry.make(program, context, desktop.shell);
            if (&form == &program.winQZ || &form == &program.map) {
                new ReportDrop(*view->Widget(), program.winQZ,
                               program.allies); // owned by the window
            }
            return view;
        }
    }
    return new GenericFormView(form, context);
}

} // namespace dered
