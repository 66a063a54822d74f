#pragma once

#include "files/IniFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

struct SettingsPaths {
    std::string own;
    std::string shipped; // empty: none, as when the player names a file on the command line
};

// The player's own settings file, and for every key it lacks, the file shipped beside the map
// files: a new player sees the map as it ships, a player's own choices win once written.
// Everything is written to the player's file only.
class SettingsFiles : public IniStore {
  public:
    explicit SettingsFiles(const SettingsPaths& paths);

    std::string GetWholeString(std::string_view section, std::string_view key,
                               std::string_view defaultText) const override;
    [[nodiscard]] std::string WriteStrings(const std::vector<IniEntry>& entries) override;

    const std::string& Path() const { return own_.Path(); }

  private:
    std::string Fallback(std::string_view section, std::string_view key,
                         std::string_view defaultText) const;

    IniFile own_;
    std::optional<IniFile> shipped_;
};

} // namespace dered
