// der-ed-batch: runs the headless program from a script.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "files/FileAccess.h"
#include "files/SettingsFiles.h"
#include "files/StandardPlaces.h"
#include "platform/SystemDisk.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

struct Arguments {
    dered::NamedPlaces places;
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

bool ParseArguments(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program-dir" && i + 1 < argc) {
            args.places.programDir = argv[++i];
        } else if (arg == "--settings" && i + 1 < argc) {
            args.places.settingsFile = argv[++i];
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
    const dered::StandardPlaces places =
        dered::FindStandardPlaces(Environment, ExecutableDir(), args.places);
    dered::SettingsFiles ini(places.settings);
    dered::SystemDisk disk;
    dered::Program program(platform, ini, disk, {places.mapFolders, {}, places.recoveryDir});
    dered::ScriptRunner runner(program, platform, std::cout);
    return runner.Run(args.script ? static_cast<std::istream&>(file) : std::cin, std::cerr);
}
