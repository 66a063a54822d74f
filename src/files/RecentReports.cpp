#include "files/RecentReports.h"

#include <algorithm>

namespace dered {

namespace {

std::string Key(const char* what, size_t place) {
    return what + std::to_string(place + 1);
}

bool Storable(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos &&
           (text.empty() || (text.front() != ' ' && text.back() != ' ' && text.front() != '\t' &&
                             text.back() != '\t'));
}

} // namespace

std::vector<RecentReport> LoadRecentReports(const IniService& ini) {
    std::vector<RecentReport> list;
    for (size_t i = 0; i < kMaxRecentReports; ++i) {
        RecentReport report{ini.GetWholeString(kRecentSection, Key("File", i), ""),
                            ini.GetWholeString(kRecentSection, Key("Title", i), "")};
        if (!report.path.empty()) {
            if (std::none_of(list.begin(), list.end(),
                             [&](const RecentReport& r) { return r.path == report.path; })) {
                list.push_back(std::move(report));
            }
        }
    }
    return list;
}

std::string SaveRecentReports(const std::vector<RecentReport>& list, IniService& ini) {
    std::vector<IniEntry> entries;
    for (size_t i = 0; i < kMaxRecentReports; ++i) {
        const bool used = i < list.size();
        entries.push_back({kRecentSection, Key("File", i), used ? list[i].path : ""});
        entries.push_back({kRecentSection, Key("Title", i), used ? list[i].title : ""});
    }
    return ini.WriteStrings(entries);
}

void NoteRecentReport(std::vector<RecentReport>& list, const RecentReport& report) {
    if (report.path.empty() || !Storable(report.path)) {
        return;
    }
    std::erase_if(list, [&](const RecentReport& r) { return r.path == report.path; });
    RecentReport kept = report;
    if (!Storable(kept.title)) {
        kept.title.clear();
    }
    list.insert(list.begin(), std::move(kept));
    if (list.size() > kMaxRecentReports) {
        list.resize(kMaxRecentReports);
    }
}

} // namespace dered
