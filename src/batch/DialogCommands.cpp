// The driver's words for the questions and dialogs: their answers given ahead, and the close box.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"

#include <charconv>
#include <map>

namespace dered::words {

namespace {

std::optional<int> ParsePlayerAnswer(const std::string& word) {
    if (word == "none") {
        return std::nullopt;
    }
    int player = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), player);
    if (ec != std::errc{} || end != word.data() + word.size()) {
        throw ScriptError("answer wants a player number or none, not " + word);
    }
    return player;
}

void AnswerYesNo(Script& s, ScriptArgs& a, const std::string& topic) {
    const std::string word = a.LastWord("yes or no");
    if (word != "yes" && word != "no") {
        throw ScriptError("answer " + topic + " wants yes or no, not " + word);
    }
    s.platform.QueueAnswer(topic, word == "yes" ? Answer::Yes : Answer::No);
}

} // namespace

void AnswerUnsaved(Script& s, ScriptArgs& a) {
    const std::string word = a.LastWord("save, discard or cancel");
    const std::map<std::string, Answer> answers = {
        {"save", Answer::Save}, {"discard", Answer::Discard}, {"cancel", Answer::Cancel}};
    const auto it = answers.find(word);
    if (it == answers.end()) {
        throw ScriptError("answer unsaved wants save, discard or cancel, not " + word);
    }
    s.platform.QueueAnswer("unsaved", it->second);
}

void AnswerRecover(Script& s, ScriptArgs& a) {
    AnswerYesNo(s, a, "recover");
}
void AnswerLocked(Script& s, ScriptArgs& a) {
    AnswerYesNo(s, a, "locked");
}

void AnswerSupportAttack(Script& s, ScriptArgs& a) {
    s.supportAttackAnswers.push_back(ParsePlayerAnswer(a.LastWord("player or none")));
}

void AnswerDialogShown(Script& s, Form& form) {
    frmSupportAttack& dialog = s.program.supportAttack;
    if (&form != &dialog || s.supportAttackAnswers.empty()) {
        return;
    }
    const std::optional<int> player = s.supportAttackAnswers.front();
    s.supportAttackAnswers.pop_front();
    if (!player) {
        s.program.forms.Unload(dialog);
        return;
    }
    // A player without a line: the double click then finds no line chosen.
    dialog.lstAllies.SetListIndex(dialog.lstAllies.IndexOfItemData(*player));
    dialog.lstAllies_DblClick();
}

void Close(Script& s, ScriptArgs& a) {
    const std::string name = a.LastWord("form");
    Form* form = s.program.FindForm(name);
    if (form == nullptr) {
        throw ScriptError("no form " + name);
    }
    if (!form->IsVisible()) {
        throw ScriptError(name + " is not open");
    }
    // The main window's close box is "Exit".
    if (form == &s.program.winQZ) {
        s.program.winQZ.mnuExit_Click();
        return;
    }
    s.program.forms.Unload(*form);
}

} // namespace dered::words
