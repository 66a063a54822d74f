#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace dered {

// Where the map files are looked for, first match wins, and the user's own data folder,
// which takes a saved hex map when the folder it came from cannot be written.
struct MapFolders {
    std::vector<std::filesystem::path> search;
    std::filesystem::path user;
};

// The environment as the standard folders need it; an unset variable is the empty text.
struct DataEnvironment {
    std::string xdgDataHome;
    std::string home;
    std::string xdgDataDirs;
};

// The user's data folder, the executable's folder (a build folder keeps working), its
// ../share/der-ed (an installed program, wherever it was installed), then $XDG_DATA_DIRS.
[[nodiscard]] MapFolders StandardMapFolders(const std::filesystem::path& executableDir,
                                            const DataEnvironment& env);

// Only the one folder: der-ed-batch --program-dir, tests and tools.
[[nodiscard]] MapFolders OnlyFolder(const std::filesystem::path& folder);

struct MapFilePaths {
    std::filesystem::path area;
    std::filesystem::path hex;
    std::string problem; // empty when both were found
};

// Each map file from the first search folder that has it; when one is found nowhere, the
// problem names it and every folder searched.
[[nodiscard]] MapFilePaths FindMapFiles(const MapFolders& folders);

// The settings file shipped with the map files, from the first search folder that has one;
// empty when none has.
[[nodiscard]] std::filesystem::path FindShippedSettings(const MapFolders& folders);

// Whether a file can be created in the folder, found by creating one: permission bits alone
// do not say it (read-only mounts, root).
[[nodiscard]] bool FolderWritable(const std::filesystem::path& folder);

using WritableCheck = std::function<bool(const std::filesystem::path&)>;

struct SavePlace {
    std::filesystem::path path;
    bool inUserFolder = false; // moved there because the chosen folder cannot be written
    std::string problem;
};

// Where a hex map chosen to be saved at `chosen` goes: there when its folder can be written,
// else under the same name into the user's data folder, made if need be.
[[nodiscard]] SavePlace HexSavePlace(const std::filesystem::path& chosen,
                                     const std::filesystem::path& user,
                                     const WritableCheck& writable);

} // namespace dered
