#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"

#include <charconv>
#include <deque>
#include <map>
#include <memory>
#include <optional>

namespace dered {

namespace {

// What the player will do the next times the support-attack dialog opens: double-click the
// line of a player, or close the dialog without a choice (no player).
using SupportAttackAnswers = std::deque<std::optional<int>>;

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

void AnswerSupportAttack(Program& program, std::optional<int> player) {
    frmSupportAttack& form = program.supportAttack;
    if (!player) {
        program.forms.Unload(form);
        return;
    }
    // A player without a line: the double click then finds no line chosen.
    form.lstAllies.SetListIndex(form.lstAllies.IndexOfItemData(*player));
    form.lstAllies_DblClick();
}

void AnswerSupport(Program& program, SupportAttackAnswers& answers, ScriptArgs& args) {
    const std::string formName = args.Word("form");
    const std::string what = args.Word("player or none");
    args.End();
    if (formName != program.supportAttack.Name()) {
        throw ScriptError("no answers for " + formName);
    }
    answers.push_back(ParsePlayerAnswer(what));
}

void Close(Program& program, ScriptArgs& args) {
    const std::string name = args.Word("form");
    args.End();
    Form* form = program.FindForm(name);
    if (form == nullptr) {
        throw ScriptError("no form " + name);
    }
    if (!form->IsVisible()) {
        throw ScriptError(name + " is not open");
    }
    // The main window's close box is "Exit".
    if (form == &program.winQZ) {
        program.winQZ.mnuExit_Click();
        return;
    }
    program.forms.Unload(*form);
}

} // namespace

void AddDialogCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    auto answers = std::make_shared<SupportAttackAnswers>();
    runner.AddCommand("answer",
                      [&program, answers](ScriptArgs& a) { AnswerSupport(program, *answers, a); });
    runner.AddCommand("close", [&program](ScriptArgs& a) { Close(program, a); });
    BatchPlatform& asked = runner.platform();
    runner.AddSubcommand("answer", "unsaved", [&asked](ScriptArgs& a) {
        const std::string word = a.Word("save, discard or cancel");
        a.End();
        const std::map<std::string, Answer> words = {
            {"save", Answer::Save}, {"discard", Answer::Discard}, {"cancel", Answer::Cancel}};
        const auto it = words.find(word);
        if (it == words.end()) {
            throw ScriptError("answer unsaved wants save, discard or cancel, not " + word);
        }
        asked.QueueAnswer("unsaved", it->second);
    });
    for (const char* topic : {"recover", "locked"}) {
        runner.AddSubcommand("answer", topic, [&asked, topic](ScriptArgs& a) {
            const std::string word = a.Word("yes or no");
            a.End();
            if (word != "yes" && word != "no") {
                throw ScriptError("answer " + std::string(topic) + " wants yes or no, not " + word);
            }
            asked.QueueAnswer(topic, word == "yes" ? Answer::Yes : Answer::No);
        });
    }

    BatchPlatform& platform = runner.platform();
    platform.onFormShown = [&program, answers, previous = platform.onFormShown](Form& form,
                                                                                bool modal) {
        if (previous) {
            previous(form, modal);
        }
        if (&form == &program.supportAttack && !answers->empty()) {
            const std::optional<int> player = answers->front();
            answers->pop_front();
            AnswerSupportAttack(program, player);
        }
    };
}

} // namespace dered
