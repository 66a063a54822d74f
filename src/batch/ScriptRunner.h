#pragma once

#include <deque>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace dered {

class Program;
class BatchPlatform;
class frmMap;
struct GameState;

// A script line the driver cannot carry out.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The words of one script line, taken one by one; the rest of the line can be taken whole.
class ScriptArgs {
  public:
    explicit ScriptArgs(std::string rest) : rest_(std::move(rest)) {}
    std::string Word(const char* what);
    std::string OptionalRest();
    int Number(const char* what);
    void End();
    // The line's last word or number: anything after it is refused.
    std::string LastWord(const char* what);
    int LastNumber(const char* what);

  private:
    std::string rest_;
    size_t pos_ = 0;
};

// What a script's words act on, and the answers it has given for windows not yet open.
struct Script {
    Program& program;
    BatchPlatform& platform;
    std::ostream& out;
    // The next support-attack choices: a player's line double-clicked, or none (closed).
    std::deque<std::optional<int>> supportAttackAnswers;
    // The next check-before-saving answers: true saves anyway.
    std::deque<bool> saveAnswers;
    bool started = false;

    // The turn the windows show.
    const GameState& Shown() const;
};

// Runs a script against the headless program: one command a line.
class ScriptRunner {
  public:
    ScriptRunner(Program& program, BatchPlatform& platform, std::ostream& out);
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Returns the exit code: 0 at the end of the script or when the program ended,
    // 2 on a line that cannot be understood (reported on err).
    int Run(std::istream& script, std::ostream& err);

  private:
    void Execute(const std::string& line);

    Script script_;
};

// Paths below the current folder are shown from there, so that a script's output does not
// depend on where it runs.
std::string ShownPath(const std::string& path);

// The map window, which a word that works on it needs open.
frmMap& OpenMap(Program& program);

} // namespace dered
