#include "batch/ScriptRunner.h"

#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/CommandSets.h"
#include "batch/Printers.h"

#include <charconv>

namespace dered {

std::string ScriptArgs::Word(const char* what) {
    while (pos_ < rest_.size() && rest_[pos_] == ' ') {
        ++pos_;
    }
    const size_t start = pos_;
    while (pos_ < rest_.size() && rest_[pos_] != ' ') {
        ++pos_;
    }
    if (start == pos_) {
        throw ScriptError(std::string("missing ") + what);
    }
    return rest_.substr(start, pos_ - start);
}

std::string ScriptArgs::OptionalRest() {
    if (pos_ < rest_.size() && rest_[pos_] == ' ') {
        ++pos_;
    }
    std::string rest = rest_.substr(std::min(pos_, rest_.size()));
    pos_ = rest_.size();
    return rest;
}

int ScriptArgs::Number(const char* what) {
    const std::string word = Word(what);
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size()) {
        throw ScriptError(std::string("not a number for ") + what + ": " + word);
    }
    return value;
}

void ScriptArgs::End() {
    while (pos_ < rest_.size() && rest_[pos_] == ' ') {
        ++pos_;
    }
    if (pos_ < rest_.size()) {
        throw ScriptError("unexpected text: " + rest_.substr(pos_));
    }
}

ScriptRunner::ScriptRunner(Program& program, BatchPlatform& platform, std::ostream& out)
    : program_(program), platform_(platform), out_(out) {
    AddCommands();
}

void ScriptRunner::AddCommands() {
    commands_["start"] = [this](ScriptArgs& a) { Start(a); };
    commands_["menu"] = [this](ScriptArgs& a) { Menu(a); };
    commands_["grid"] = [this](ScriptArgs& a) { Grid(a); };
    commands_["print"] = [this](ScriptArgs& a) { Print(a); };
    AddMapCommands(*this);
    AddDialogCommands(*this);
    AddControlCommands(*this);
    AddMapDialogCommands(*this);
    AddDeskCommands(*this);
    AddExportCommands(*this);
    AddTurnCommands(*this);
    AddAllyCommands(*this);
    AddReachCommands(*this);
    AddHistoryCommands(*this);
}

void ScriptRunner::AddCommand(const std::string& word, Command command) {
    commands_[word] = std::move(command);
}

void ScriptRunner::AddSubcommand(const std::string& word, const std::string& second,
                                 Command command) {
    subcommands_[word + " " + second] = std::move(command);
}

void ScriptRunner::AddPrint(const std::string& what, Command print) {
    prints_[what] = std::move(print);
}

int ScriptRunner::Run(std::istream& script, std::ostream& err) {
    std::string line;
    int lineNumber = 0;
    while (!platform_.Ended() && std::getline(script, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        try {
            Execute(line.substr(first));
        } catch (const ScriptError& e) {
            out_.flush();
            err << "line " << lineNumber << ": " << e.what() << '\n';
            return 2;
        }
        out_.flush();
    }
    return 0;
}

void ScriptRunner::Execute(const std::string& line) {
    const auto blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const auto command = commands_.find(word);
    if (command == commands_.end()) {
        throw ScriptError("unknown command: " + word);
    }
    // Answers may be given before the start, for the questions it asks.
    if (!started_ && word != "start" && word != "answer") {
        throw ScriptError("the script must begin with start");
    }
    const std::string rest = blank == std::string::npos ? std::string{} : line.substr(blank);
    // A word's own second words ("map editcell") go to the command set that added them.
    ScriptArgs peek(rest);
    const std::string second =
        rest.find_first_not_of(' ') == std::string::npos ? std::string{} : peek.Word("second word");
    if (const auto sub = subcommands_.find(word + " " + second); sub != subcommands_.end()) {
        sub->second(peek);
        return;
    }
    ScriptArgs args(rest);
    command->second(args);
}

void ScriptRunner::Start(ScriptArgs& args) {
    if (started_) {
        throw ScriptError("the program has already started");
    }
    program_.options.commandLine = args.OptionalRest();
    started_ = true;
    program_.Start();
}

void ScriptRunner::Menu(ScriptArgs& args) {
    const std::string name = args.Word("menu item");
    MenuItemModel* item = program_.winQZ.FindMenuItem(name);
    if (item == nullptr) {
        throw ScriptError("no menu item " + name);
    }
    const std::string path = args.OptionalRest();
    if (!item->Enabled()) {
        out_ << "DISABLED " << name << '\n';
        return;
    }
    platform_.SetDialogAnswer(path.empty() ? std::nullopt : std::optional<std::string>(path));
    item->Click();
    platform_.SetDialogAnswer(std::nullopt);
}

void ScriptRunner::Grid(ScriptArgs& args) {
    const std::string action = args.Word("click or dblclick");
    const int row = args.Number("row");
    args.End();
    frmWinQZ& win = program_.winQZ;
    if (row < 1 || row >= win.grdArea.Rows()) {
        throw ScriptError("no row " + std::to_string(row) + " in grdArea");
    }
    win.grdArea.SetRow(row);
    if (action == "click") {
        win.grdArea_Click();
    } else if (action == "dblclick") {
        win.grdArea_Click();
        win.grdArea_DblClick();
    } else {
        throw ScriptError("grid knows click and dblclick, not " + action);
    }
}

void ScriptRunner::Print(ScriptArgs& args) {
    const std::string what = args.Word("what to print");
    if (const auto extra = prints_.find(what); extra != prints_.end()) {
        extra->second(args);
        return;
    }
    Printers printers(program_, out_);
    printers.Print(what, args);
}

} // namespace dered
