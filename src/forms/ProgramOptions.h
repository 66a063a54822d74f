#pragma once

#include <string>

#include "files/MapFolders.h"

namespace dered {

// How the program was started.
struct ProgramOptions {
    MapFolders mapFolders;   // where the map files are looked for
    std::string commandLine; // the optional report path given at start-up
    std::string recoveryDir; // where unsaved orders are kept against a crash; empty: nowhere
    WritableCheck folderWritable = FolderWritable; // whether "Save hex data" may write there
};

} // namespace dered
