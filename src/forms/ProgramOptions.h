#pragma once

#include <string>

namespace dered {

// How the program was started.
struct ProgramOptions {
    std::string executableDir; // the folder of the running program, where the map files are
    std::string commandLine;   // the optional report path given at start-up
    std::string recoveryDir;   // where unsaved orders are kept against a crash; empty: nowhere
};

} // namespace dered
