#pragma once

#include "files/MapFolders.h"
#include "files/SettingsFiles.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace dered {

// An environment variable's value; the empty text when it is unset.
using EnvironmentLookup = std::function<std::string(const char*)>;

// Where one run of a program finds and keeps its files.
struct StandardPlaces {
    MapFolders mapFolders;
    SettingsPaths settings;
    std::string recoveryDir;
};

// What the command line may name instead of the standard places.
struct NamedPlaces {
    // The only settings file, so that a run sees the same settings wherever it runs.
    std::optional<std::string> settingsFile;
    // The only folder the map files are looked for in.
    std::optional<std::string> programDir;
};

// The places from the environment and the executable's folder; without a settings file named,
// the player's own, and for what it lacks, the one shipped with the map files.
[[nodiscard]] StandardPlaces FindStandardPlaces(const EnvironmentLookup& env,
                                                const std::filesystem::path& executableDir,
                                                const NamedPlaces& named);

} // namespace dered
