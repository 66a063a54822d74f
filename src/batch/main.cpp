// der-ed-batch: runs the headless program from a script.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "files/FileAccess.h"
#include "files/IniFile.h"
#include "files/RecoveryFile.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct Arguments {
    std::string programDir;
    std::string settingsPath;
    std::optional<std::string> script;
};

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

bool ParseArguments(int argc, char** argv, Arguments& args) {
    args.programDir = ExecutableDir();
    args.settingsPath = dered::DefaultSettingsPath();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--program-dir" || arg == "--settings") && i + 1 < argc) {
            (arg == "--program-dir" ? args.programDir : args.settingsPath) = argv[++i];
        } else if (!arg.starts_with("--") && !args.script) {
            args.script = arg;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::cerr << "usage: der-ed-batch [--program-dir DIR] [--settings FILE] [SCRIPT]\n";
        return 2;
    }
    std::istringstream file;
    if (args.script) {
        dered::FileText script = dered::ReadWholeFile(*args.script);
        if (!script.Read()) {
            std::cerr << "cannot read script " << *args.script << ": " << script.reason << '\n';
            return 2;
        }
        file.str(std::move(script.text));
    }
    dered::BatchPlatform platform(std::cout);
    dered::IniFile ini(args.settingsPath);
    dered::Program program(platform, ini, {args.programDir, {}, dered::DefaultRecoveryDir()});
    dered::ScriptRunner runner(program, platform, std::cout);
    return runner.Run(args.script ? static_cast<std::istream&>(file) : std::cin, std::cerr);
}
