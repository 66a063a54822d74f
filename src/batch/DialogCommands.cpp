// The driver's words for the questions and dialogs: their answers given ahead, and the close box.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

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

// One of the answers a question of the topic may have: "answer save wants yes or no, not ok".
Answer ChosenAnswer(ScriptArgs& a, const std::string& topic,
                    std::initializer_list<Answer> choices) {
    std::string listed;
    for (const Answer& choice : choices) {
        listed += listed.empty() ? "" : &choice == choices.end() - 1 ? " or " : ", ";
        listed += AnswerWord(choice);
    }
    const std::string word = a.LastWord(listed.c_str());
    const std::optional<Answer> answer = AnswerNamed(word);
    if (!answer || std::ranges::find(choices, *answer) == choices.end()) {
        throw ScriptError("answer " + topic + " wants " + listed + ", not " + word);
    }
    return *answer;
}

void AnswerYesNo(Script& s, ScriptArgs& a, const std::string& topic) {
    s.platform.QueueAnswer(topic, ChosenAnswer(a, topic, {Answer::Yes, Answer::No}));
}

} // namespace

void AnswerUnsaved(Script& s, ScriptArgs& a) {
    s.platform.QueueAnswer(
        "unsaved", ChosenAnswer(a, "unsaved", {Answer::Save, Answer::Discard, Answer::Cancel}));
}

void AnswerRecover(Script& s, ScriptArgs& a) {
    AnswerYesNo(s, a, "recover");
}
void AnswerLocked(Script& s, ScriptArgs& a) {
    AnswerYesNo(s, a, "locked");
}

// Unanswered, the save check saves, as saving did before there was a check.
void AnswerSave(Script& s, ScriptArgs& a) {
    s.saveAnswers.push_back(ChosenAnswer(a, "save", {Answer::Yes, Answer::No}) == Answer::Yes);
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
