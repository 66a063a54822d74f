#include "files/StandardPlaces.h"

#include "files/IniFile.h"
#include "files/RecoveryFile.h"

namespace dered {

StandardPlaces FindStandardPlaces(const EnvironmentLookup& env,
                                  const std::filesystem::path& executableDir,
                                  const NamedPlaces& named) {
    StandardPlaces places;
    places.mapFolders = named.programDir
                            ? OnlyFolder(*named.programDir)
                            : StandardMapFolders(executableDir, {env("XDG_DATA_HOME"), env("HOME"),
                                                                 env("XDG_DATA_DIRS")});
    places.settings = named.settingsFile
                          ? SettingsPaths{*named.settingsFile, {}}
                          : SettingsPaths{DefaultSettingsPath(env("XDG_CONFIG_HOME"), env("HOME")),
                                          FindShippedSettings(places.mapFolders).string()};
    places.recoveryDir = DefaultRecoveryDir(env("XDG_STATE_HOME"), env("HOME"));
    return places;
}

} // namespace dered
