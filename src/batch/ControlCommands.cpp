// The words that work any window's controls by name: select, click, type, settext, scroll,
// check, and the prints of lists, texts (a button's caption too), enabled states and open
// windows.
#include "app/Program.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"

#include <string>

namespace dered {

namespace {

struct Target {
    std::string name; // as the script wrote it: "frmANW.cmdNeutral(1)"
    ControlRef control;
};

// "<form>.<control>", the control's name with its index if it has one. Acting on a control
// needs its window open; printing does not.
Target FindTarget(Program& program, ScriptArgs& args, bool mustBeOpen) {
    const std::string name = args.Word("form.control");
    const auto dot = name.find('.');
    if (dot == std::string::npos) {
        throw ScriptError("expected form.control, not " + name);
    }
    const std::string formName = name.substr(0, dot);
    Form* form = program.FindForm(formName);
    if (form == nullptr) {
        throw ScriptError("no form " + formName);
    }
    const auto control = form->FindControl(name.substr(dot + 1));
    if (!control) {
        throw ScriptError("no control " + name);
    }
    if (mustBeOpen && !form->IsVisible()) {
        throw ScriptError(formName + " is not open");
    }
    return {name, *control};
}

template <typename Model> Model& As(const Target& target, const char* kind) {
    Model* const* model = std::get_if<Model*>(&target.control);
    if (model == nullptr) {
        throw ScriptError(target.name + " is not a " + kind);
    }
    return **model;
}

void Select(Program& program, ScriptArgs& args) {
    const Target target = FindTarget(program, args, true);
    if (GridModel* const* grid = std::get_if<GridModel*>(&target.control)) {
        const int first = args.Number("first column");
        const int last = args.Number("last column");
        args.End();
        if (first < 0 || last < 0 || first >= (*grid)->Cols() || last >= (*grid)->Cols()) {
            throw ScriptError("no such columns in " + target.name);
        }
        (*grid)->SetSelection(first, last);
        return;
    }
    ListBoxModel& list = As<ListBoxModel>(target, "list or grid");
    const std::string value = args.Word("item value or none");
    args.End();
    if (value == "none") {
        list.SetListIndex(-1);
        return;
    }
    ScriptArgs number(value);
    const int index = list.IndexOfItemData(number.Number("item value"));
    if (index < 0) {
        throw ScriptError("no line with item value " + value + " in " + target.name);
    }
    list.SetListIndex(index);
}

void Click(Program& program, std::ostream& out, ScriptArgs& args) {
    const Target target = FindTarget(program, args, true);
    args.End();
    if (!As<ButtonModel>(target, "button").Click()) {
        out << "DISABLED " << target.name << '\n';
    }
}

void Type(Program& program, ScriptArgs& args) {
    TextBoxModel& box = As<TextBoxModel>(FindTarget(program, args, true), "text box");
    const std::string text = args.OptionalRest();
    if (text.empty()) {
        throw ScriptError("missing text to type");
    }
    for (const char c : text) {
        box.Type(c);
    }
}

void SetText(Program& program, ScriptArgs& args) {
    TextBoxModel& box = As<TextBoxModel>(FindTarget(program, args, true), "text box");
    box.SetText(args.OptionalRest());
}

void Scroll(Program& program, ScriptArgs& args) {
    const Target target = FindTarget(program, args, true);
    ScrollBarModel& bar = As<ScrollBarModel>(target, "scroll bar");
    const int value = args.Number("position");
    args.End();
    if (value < bar.Min() || value > bar.Max()) {
        throw ScriptError(target.name + " runs from " + std::to_string(bar.Min()) + " to " +
                          std::to_string(bar.Max()));
    }
    bar.SetValue(value);
}

void Check(Program& program, ScriptArgs& args) {
    CheckBoxModel& box = As<CheckBoxModel>(FindTarget(program, args, true), "check box");
    const int value = args.Number("0 or 1");
    args.End();
    if (value != 0 && value != 1) {
        throw ScriptError("a check box is 0 or 1");
    }
    box.SetValue(static_cast<int16_t>(value));
}

void PrintList(Program& program, std::ostream& out, ScriptArgs& args) {
    const ListBoxModel& list = As<ListBoxModel>(FindTarget(program, args, false), "list");
    args.End();
    for (const ListBoxModel::Line& line : list.Lines()) {
        out << line.text << '|' << line.itemData << '\n';
    }
}

void PrintText(Program& program, std::ostream& out, ScriptArgs& args) {
    const Target target = FindTarget(program, args, false);
    args.End();
    if (TextBoxModel* const* box = std::get_if<TextBoxModel*>(&target.control)) {
        out << (*box)->Text() << '\n';
    } else if (TextModel* const* label = std::get_if<TextModel*>(&target.control)) {
        out << (*label)->Text() << '\n';
    } else if (CheckBoxModel* const* check = std::get_if<CheckBoxModel*>(&target.control)) {
        out << (*check)->Value() << '\n';
    } else if (ButtonModel* const* button = std::get_if<ButtonModel*>(&target.control)) {
        out << (*button)->Caption() << '\n';
    } else {
        throw ScriptError(target.name + " has no text");
    }
}

void PrintEnabled(Program& program, std::ostream& out, ScriptArgs& args) {
    const ButtonModel& button = As<ButtonModel>(FindTarget(program, args, false), "button");
    args.End();
    out << (button.Enabled() ? "enabled" : "disabled") << '\n';
}

void PrintOpen(Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    for (const Form* form : program.forms.OpenForms()) {
        out << form->Name() << '\n';
    }
}

} // namespace

void AddControlCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    std::ostream& out = runner.out();
    runner.AddCommand("select", [&program](ScriptArgs& a) { Select(program, a); });
    runner.AddCommand("click", [&program, &out](ScriptArgs& a) { Click(program, out, a); });
    runner.AddCommand("type", [&program](ScriptArgs& a) { Type(program, a); });
    runner.AddCommand("settext", [&program](ScriptArgs& a) { SetText(program, a); });
    runner.AddCommand("scroll", [&program](ScriptArgs& a) { Scroll(program, a); });
    runner.AddCommand("check", [&program](ScriptArgs& a) { Check(program, a); });
    runner.AddPrint("list", [&program, &out](ScriptArgs& a) { PrintList(program, out, a); });
    runner.AddPrint("text", [&program, &out](ScriptArgs& a) { PrintText(program, out, a); });
    runner.AddPrint("enabled", [&program, &out](ScriptArgs& a) { PrintEnabled(program, out, a); });
    runner.AddPrint("open", [&program, &out](ScriptArgs& a) { PrintOpen(program, out, a); });
}

} // namespace dered
