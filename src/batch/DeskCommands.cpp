// The driver's words for the order desk: the check before saving, the overview, the view's
// position, what is under the pointer, and the answers of the save question and the go-to
// dialog.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "desk/OrderCheck.h"
#include "desk/OrderWords.h"

#include <deque>
#include <memory>
#include <ostream>

namespace dered {

namespace {

// What the next save questions answer: true saves anyway.
using SaveAnswers = std::deque<bool>;

void AnswerSave(SaveAnswers& answers, ScriptArgs& args) {
    const std::string what = args.Word("yes or no");
    args.End();
    if (what != "yes" && what != "no") {
        throw ScriptError("answer save wants yes or no, not " + what);
    }
    answers.push_back(what == "yes");
}

void PrintCheck(const Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    const std::vector<Finding> found = CheckOrders(program.records.documents.Shown().records);
    for (const Finding& finding : found) {
        out << "CHECK " << finding.area << ' ' << FindingWord(finding.kind) << ": " << finding.text
            << '\n';
    }
    out << "CHECK " << found.size() << " findings\n";
}

void PrintOverview(const Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    for (const OverviewLine& line : OverviewLines(program.records.documents.Shown().records)) {
        out << line.text << '\n';
    }
}

void PrintView(const Program& program, std::ostream& out, ScriptArgs& args) {
    args.End();
    const SettingsRecord& settings = program.records.settings;
    out << "VIEW " << settings.MapX << ' ' << settings.MapY << ' ' << program.winQZ.grdArea.Row()
        << '\n';
}

void PrintHover(const Program& program, std::ostream& out, ScriptArgs& args) {
    const int x = args.Number("x");
    const int y = args.Number("y");
    args.End();
    if (!program.map.IsLoaded()) {
        throw ScriptError("the map window is not open");
    }
    out << "HOVER " << program.map.HoverTextAt(static_cast<float>(x), static_cast<float>(y))
        << '\n';
}

// An order typed into the map window's order field; a text that is no order is printed.
void EnterOrder(Program& program, std::ostream& out, ScriptArgs& args) {
    const std::string text = args.OptionalRest();
    frmMap& map = program.map;
    if (!map.IsLoaded()) {
        throw ScriptError("the map window is not open");
    }
    map.fields.txtOrder.SetText(text);
    map.fields.txtOrder_Enter();
    if (!map.fields.txtOrder.Text().empty()) {
        out << "ORDER not entered: " << map.stbNextClick.Text() << '\n';
    }
}

// Unanswered, the question saves, as saving did before there was a check.
void AnswerShown(Program& program, BatchPlatform& platform, SaveAnswers& answers, Form& form) {
    if (&form == &program.saveCheck) {
        bool save = true;
        if (!answers.empty()) {
            save = answers.front();
            answers.pop_front();
        }
        (save ? program.saveCheck.cmdSave : program.saveCheck.cmdCancel).Click();
    } else if (&form == &program.goTo && platform.DialogAnswer()) {
        program.goTo.txtArea.SetText(*platform.DialogAnswer());
        program.goTo.cmdGo.Click();
    }
}

} // namespace

void AddDeskCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    std::ostream& out = runner.out();
    auto answers = std::make_shared<SaveAnswers>();
    runner.AddSubcommand("answer", "save", [answers](ScriptArgs& a) { AnswerSave(*answers, a); });
    runner.AddCommand("order", [&program, &out](ScriptArgs& a) { EnterOrder(program, out, a); });
    runner.AddPrint("check", [&program, &out](ScriptArgs& a) { PrintCheck(program, out, a); });
    runner.AddPrint("overview",
                    [&program, &out](ScriptArgs& a) { PrintOverview(program, out, a); });
    runner.AddPrint("view", [&program, &out](ScriptArgs& a) { PrintView(program, out, a); });
    runner.AddPrint("hover", [&program, &out](ScriptArgs& a) { PrintHover(program, out, a); });

    BatchPlatform& platform = runner.platform();
    platform.onFormShown = [&program, &platform, answers,
                            previous = platform.onFormShown](Form& form, bool modal) {
        if (previous) {
            previous(form, modal);
        }
        AnswerShown(program, platform, *answers, form);
    };
}

} // namespace dered
