#include "files/SettingsFiles.h"

namespace dered {

SettingsFiles::SettingsFiles(const SettingsPaths& paths) : own_(paths.own) {
    if (!paths.shipped.empty()) {
        shipped_.emplace(paths.shipped);
    }
}

std::string SettingsFiles::Fallback(std::string_view section, std::string_view key,
                                    std::string_view defaultText) const {
    return shipped_ ? shipped_->GetWholeString(section, key, defaultText)
                    : std::string(defaultText);
}

std::string SettingsFiles::GetWholeString(std::string_view section, std::string_view key,
                                          std::string_view defaultText) const {
    return own_.GetWholeString(section, key, Fallback(section, key, defaultText));
}

std::string SettingsFiles::WriteStrings(const std::vector<IniEntry>& entries) {
    return own_.WriteStrings(entries);
}

} // namespace dered
