#pragma once

#include "files/IniFile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace dered {

struct RecentReport {
    std::string path;
    std::string title; // game and turn, e.g. "QZ001 1880 turn 1"
    bool operator==(const RecentReport&) const = default;
};

inline constexpr size_t kMaxRecentReports = 8;
// The section of the settings file the list lives in, after the program's other sections.
inline constexpr const char* kRecentSection = "Recent";

// Most recent first; entries the file cannot hold are left out.
[[nodiscard]] std::vector<RecentReport> LoadRecentReports(const IniService& ini);
// Writes all eight places (empty ones blank) in one rewrite of the file, touching no other key.
// Empty on success, else the message naming the file and the reason.
[[nodiscard]] std::string SaveRecentReports(const std::vector<RecentReport>& list, IniService& ini);
// Puts the report at the front, dropping an older entry of the same path and the ninth.
// A path the settings file could not hold whole (a line break, blanks at either end) is not kept.
void NoteRecentReport(std::vector<RecentReport>& list, const RecentReport& report);

} // namespace dered
