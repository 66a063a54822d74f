#pragma once

#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>

namespace dered {

class Program;
class BatchPlatform;

// A script line the driver cannot carry out.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The words of one script line after its command word; the rest of the line can be taken whole.
class ScriptArgs {
  public:
    explicit ScriptArgs(std::string rest) : rest_(std::move(rest)) {}
    std::string Word(const char* what);
    std::string OptionalRest();
    int Number(const char* what);
    void End();

  private:
    std::string rest_;
    size_t pos_ = 0;
};

// Runs a script against the headless program: one command a line.
class ScriptRunner {
  public:
    ScriptRunner(Program& program, BatchPlatform& platform, std::ostream& out);

    // Returns the exit code: 0 at the end of the script or when the program ended,
    // 2 on a line that cannot be understood (reported on err).
    int Run(std::istream& script, std::ostream& err);

    using Command = std::function<void(ScriptArgs&)>;
    // Command sets of other windows add their words here: "map ...", "print hex ...".
    void AddCommand(const std::string& word, Command command);
    void AddPrint(const std::string& what, Command print);
    // The command a word runs now, empty if none: a command set may add to a word's forms.
    // A second word of its own for a command another set added ("answer colour").
    void AddSubcommand(const std::string& word, const std::string& second, Command command);

    Program& program() { return program_; }
    BatchPlatform& platform() { return platform_; }
    std::ostream& out() { return out_; }

  private:
    void Execute(const std::string& line);
    void AddCommands();
    void Start(ScriptArgs& args);
    void Menu(ScriptArgs& args);
    void Grid(ScriptArgs& args);
    void Print(ScriptArgs& args);

    Program& program_;
    BatchPlatform& platform_;
    std::ostream& out_;
    std::map<std::string, Command> commands_;
    std::map<std::string, Command> prints_;
    std::map<std::string, Command> subcommands_;
    bool started_ = false;
};

} // namespace dered
