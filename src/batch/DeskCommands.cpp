// The driver's words for the order desk: the check before saving, the overview, the view's
// position, what is under the pointer, and the answers of the save question and the go-to
// dialog.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "desk/AllyCheck.h"
#include "desk/OrderWords.h"

#include <ostream>

namespace dered::words {

void PrintCheck(Script& s, ScriptArgs&) {
    const std::vector<Finding> found = CheckTurn(s.program.records.documents.Shown());
    for (const Finding& finding : found) {
        s.out << "CHECK " << finding.area << ' ' << FindingWord(finding.kind) << ": "
              << finding.text << '\n';
    }
    s.out << "CHECK " << found.size() << " findings\n";
}

void PrintOverview(Script& s, ScriptArgs&) {
    for (const OverviewLine& line : OverviewLines(s.program.records.documents.Shown().records)) {
        s.out << line.text << '\n';
    }
}

void PrintView(Script& s, ScriptArgs&) {
    const SettingsRecord& settings = s.program.records.settings;
    s.out << "VIEW " << settings.MapX << ' ' << settings.MapY << ' '
          << s.program.winQZ.grdArea.Row() << '\n';
}

void PrintHover(Script& s, ScriptArgs& a) {
    const int x = a.Number("x");
    const int y = a.LastNumber("y");
    const frmMap& map = OpenMap(s.program);
    s.out << "HOVER " << map.HoverTextAt(static_cast<float>(x), static_cast<float>(y)) << '\n';
}

// An order typed into the map window's order field; a text that is no order is printed.
void EnterOrder(Script& s, ScriptArgs& a) {
    const std::string text = a.OptionalRest();
    frmMap& map = OpenMap(s.program);
    map.fields.txtOrder.SetText(text);
    map.fields.txtOrder_Enter();
    if (!map.fields.txtOrder.Text().empty()) {
        s.out << "ORDER not entered: " << map.stbNextClick.Text() << '\n';
    }
}

// The save check and the go-to dialog take the script's answers.
void AnswerDeskShown(Script& s, Form& form) {
    Program& program = s.program;
    if (&form == &program.saveCheck) {
        bool save = true;
        if (!s.saveAnswers.empty()) {
            save = s.saveAnswers.front();
            s.saveAnswers.pop_front();
        }
        (save ? program.saveCheck.cmdSave : program.saveCheck.cmdCancel).Click();
    } else if (&form == &program.goTo && s.platform.DialogAnswer()) {
        program.goTo.txtArea.SetText(*s.platform.DialogAnswer());
        program.goTo.cmdGo.Click();
    }
}

} // namespace dered::words
