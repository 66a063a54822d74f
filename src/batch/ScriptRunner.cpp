#include "batch/ScriptRunner.h"

#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/Words.h"

#include <charconv>
#include <filesystem>
#include <system_error>

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

std::string ScriptArgs::LastWord(const char* what) {
    std::string word = Word(what);
    End();
    return word;
}

int ScriptArgs::LastNumber(const char* what) {
    const int number = Number(what);
    End();
    return number;
}

std::string ShownPath(const std::string& path) {
    std::error_code ec;
    const std::string here = std::filesystem::current_path(ec).string() + "/";
    return !ec && path.starts_with(here) ? path.substr(here.size()) : path;
}

const GameState& Script::Shown() const {
    return program.records.documents.Shown().records;
}

frmMap& OpenMap(Program& program) {
    if (!program.map.IsLoaded()) {
        throw ScriptError("the map window is not open");
    }
    return program.map;
}

ScriptRunner::ScriptRunner(Program& program, BatchPlatform& platform, std::ostream& out)
    : script_{program, platform, out, {}, {}} {
    platform.onFormShown = [this](Form& form, bool) {
        words::AnswerDialogShown(script_, form);
        words::AnswerDeskShown(script_, form);
    };
}

int ScriptRunner::Run(std::istream& script, std::ostream& err) {
    std::string line;
    int lineNumber = 0;
    while (!script_.platform.Ended() && std::getline(script, line)) {
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
            script_.out.flush();
            err << "line " << lineNumber << ": " << e.what() << '\n';
            return 2;
        }
        script_.out.flush();
    }
    return 0;
}

void ScriptRunner::Execute(const std::string& line) {
    ScriptArgs args(line);
    const std::string first = args.Word("command");
    if (!IsWord(first)) {
        throw ScriptError("unknown command: " + first);
    }
    // Answers may be given before the start, for the questions it asks.
    if (!script_.started && first != "start" && first != "answer") {
        throw ScriptError("the script must begin with start");
    }
    const ScriptWord& word = FindWord(first, args);
    if (word.args.empty()) {
        args.End();
    }
    word.handler(script_, args);
}

} // namespace dered
