// der-ed-batch: runs the headless program from a script.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "files/FileAccess.h"
#include "files/MapFolders.h"
#include "files/RecoveryFile.h"
#include "files/SettingsFiles.h"
#include "platform/SystemDisk.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct Arguments {
    std::optional<std::string> programDir;
    std::optional<std::string> settingsPath; // named on the command line
    std::optional<std::string> script;
    bool version = false;
    bool help = false;
};

constexpr const char* kUsage =
    "usage: der-ed-batch [--help] [--version] [--program-dir DIR] [--settings FILE] [SCRIPT]\n";

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(".") : exe.parent_path();
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// --program-dir is the one folder looked in; else the standard folders.
dered::MapFolders MapFoldersFor(const Arguments& args) {
    if (args.programDir) {
        return dered::OnlyFolder(*args.programDir);
    }
    return dered::StandardMapFolders(
        ExecutableDir(),
        {Environment("XDG_DATA_HOME"), Environment("HOME"), Environment("XDG_DATA_DIRS")});
}

bool ParseArguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program-dir" && i + 1 < argc) {
            args.programDir = argv[++i];
        } else if (arg == "--settings" && i + 1 < argc) {
            args.settingsPath = argv[++i];
        } else if (arg == "--version") {
            args.version = true;
        } else if (arg == "--help") {
            args.help = true;
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
        std::cerr << kUsage;
        return 2;
    }
    if (args.help) {
        std::cout << kUsage << "\nThe words of a script, one command a line:\n";
        dered::PrintWords(std::cout);
        return 0;
    }
    if (args.version) {
        std::cout << "der-ed-batch " << DERED_VERSION << '\n';
        return 0;
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
    const dered::MapFolders folders = MapFoldersFor(args);
    // A file named with --settings is the only one, so that a script sees the same settings
    // wherever it runs; else the player's own, and the shipped one for what it lacks.
    dered::SettingsFiles ini(
        args.settingsPath
            ? dered::SettingsPaths{*args.settingsPath, {}}
            : dered::SettingsPaths{
                  dered::DefaultSettingsPath(Environment("XDG_CONFIG_HOME"), Environment("HOME")),
                  dered::FindShippedSettings(folders).string()});
    dered::SystemDisk disk;
    dered::Program program(
        platform, ini, disk,
        {folders,
         {},
         dered::DefaultRecoveryDir(Environment("XDG_STATE_HOME"), Environment("HOME"))});
    dered::ScriptRunner runner(program, platform, std::cout);
    return runner.Run(args.script ? static_cast<std::istream&>(file) : std::cin, std::cerr);
}
