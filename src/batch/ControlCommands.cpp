// The words that work any window's controls by name: select, click, type, settext, scroll,
// check, and the prints of lists, texts (a button's caption too), enabled states and open
// windows.
#include "app/Program.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"

#include <string>

namespace dered::words {

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

} // namespace

void Select(Script& s, ScriptArgs& args) {
    const Target target = FindTarget(s.program, args, true);
    if (GridModel* const* grid = std::get_if<GridModel*>(&target.control)) {
        const int first = args.Number("first column");
        const int last = args.LastNumber("last column");
        if (first < 0 || last < 0 || first >= (*grid)->Cols() || last >= (*grid)->Cols()) {
            throw ScriptError("no such columns in " + target.name);
        }
        (*grid)->SetSelection(first, last);
        return;
    }
    ListBoxModel& list = As<ListBoxModel>(target, "list or grid");
    const std::string value = args.LastWord("item value or none");
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

void Click(Script& s, ScriptArgs& args) {
    const Target target = FindTarget(s.program, args, true);
    args.End();
    if (!As<ButtonModel>(target, "button").Click()) {
        s.out << "DISABLED " << target.name << '\n';
    }
}

void Type(Script& s, ScriptArgs& args) {
    TextBoxModel& box = As<TextBoxModel>(FindTarget(s.program, args, true), "text box");
    const std::string text = args.OptionalRest();
    if (text.empty()) {
        throw ScriptError("missing text to type");
    }
    for (const char c : text) {
        box.Type(c);
    }
}

void SetText(Script& s, ScriptArgs& args) {
    TextBoxModel& box = As<TextBoxModel>(FindTarget(s.program, args, true), "text box");
    box.SetText(args.OptionalRest());
}

void Scroll(Script& s, ScriptArgs& args) {
    const Target target = FindTarget(s.program, args, true);
    ScrollBarModel& bar = As<ScrollBarModel>(target, "scroll bar");
    const int value = args.LastNumber("position");
    if (value < bar.Min() || value > bar.Max()) {
        throw ScriptError(target.name + " runs from " + std::to_string(bar.Min()) + " to " +
                          std::to_string(bar.Max()));
    }
    bar.SetValue(value);
}

void Check(Script& s, ScriptArgs& args) {
    CheckBoxModel& box = As<CheckBoxModel>(FindTarget(s.program, args, true), "check box");
    const int value = args.LastNumber("0 or 1");
    if (value != 0 && value != 1) {
        throw ScriptError("a check box is 0 or 1");
    }
    box.SetValue(static_cast<int16_t>(value));
}

void PrintList(Script& s, ScriptArgs& args) {
    const ListBoxModel& list = As<ListBoxModel>(FindTarget(s.program, args, false), "list");
    args.End();
    for (const ListBoxModel::Line& line : list.Lines()) {
        s.out << line.text << '|' << line.itemData << '\n';
    }
}

void PrintText(Script& s, ScriptArgs& args) {
    const Target target = FindTarget(s.program, args, false);
    args.End();
    if (TextBoxModel* const* box = std::get_if<TextBoxModel*>(&target.control)) {
        s.out << (*box)->Text() << '\n';
    } else if (TextModel* const* label = std::get_if<TextModel*>(&target.control)) {
        s.out << (*label)->Text() << '\n';
    } else if (CheckBoxModel* const* check = std::get_if<CheckBoxModel*>(&target.control)) {
        s.out << (*check)->Value() << '\n';
    } else if (ButtonModel* const* button = std::get_if<ButtonModel*>(&target.control)) {
        s.out << (*button)->Caption() << '\n';
    } else {
        throw ScriptError(target.name + " has no text");
    }
}

void PrintEnabled(Script& s, ScriptArgs& args) {
    const ButtonModel& button = As<ButtonModel>(FindTarget(s.program, args, false), "button");
    args.End();
    s.out << (button.Enabled() ? "enabled" : "disabled") << '\n';
}

void PrintOpen(Script& s, ScriptArgs&) {
    for (const Form* form : s.program.forms.OpenForms()) {
        s.out << form->Name() << '\n';
    }
}

} // namespace dered::words
