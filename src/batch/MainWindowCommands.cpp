// The driver's words for the main window: its start-up, its menu, its area grid.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"

namespace dered::words {

namespace {

MenuItemModel& FindMenuItem(Program& program, const std::string& name) {
    MenuItemModel* item = program.winQZ.FindMenuItem(name);
    if (item == nullptr) {
        throw ScriptError("no menu item " + name);
    }
    return *item;
}

frmWinQZ& ChooseGridRow(Program& program, ScriptArgs& args) {
    const int row = args.LastNumber("row");
    frmWinQZ& win = program.winQZ;
    if (row < 1 || row >= win.grdArea.Rows()) {
        throw ScriptError("no row " + std::to_string(row) + " in grdArea");
    }
    win.grdArea.SetRow(row);
    win.grdArea_Click();
    return win;
}

} // namespace

void Start(Script& s, ScriptArgs& a) {
    if (s.started) {
        throw ScriptError("the program has already started");
    }
    s.program.options.commandLine = a.OptionalRest();
    s.started = true;
    s.program.Start();
}

void Menu(Script& s, ScriptArgs& a) {
    const std::string name = a.Word("menu item");
    MenuItemModel& item = FindMenuItem(s.program, name);
    const std::string path = a.OptionalRest();
    if (!item.Enabled()) {
        s.out << "DISABLED " << name << '\n';
        return;
    }
    s.platform.SetDialogAnswer(path.empty() ? std::nullopt : std::optional<std::string>(path));
    item.Click();
    s.platform.SetDialogAnswer(std::nullopt);
}

void GridClick(Script& s, ScriptArgs& a) {
    ChooseGridRow(s.program, a);
}

void GridDblClick(Script& s, ScriptArgs& a) {
    ChooseGridRow(s.program, a).grdArea_DblClick();
}

void PrintMenu(Script& s, ScriptArgs& a) {
    const MenuItemModel& item = FindMenuItem(s.program, a.LastWord("menu item"));
    s.out << (item.Enabled() ? "enabled" : "disabled") << ' '
          << (item.Checked() ? "checked" : "unchecked") << '\n';
}

void PrintCaption(Script& s, ScriptArgs& a) {
    const std::string name = a.LastWord("form");
    const Form* form = s.program.FindForm(name);
    if (const MenuItemModel* item = s.program.winQZ.FindMenuItem(name); !form && item) {
        s.out << item->Caption() << '\n';
        return;
    }
    if (form == nullptr) {
        throw ScriptError("no form " + name);
    }
    s.out << form->caption.Text() << '\n';
}

} // namespace dered::words
