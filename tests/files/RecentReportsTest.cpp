#include "files/RecentReports.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dered {
namespace {

std::vector<RecentReport> Reports(int first, int last) {
    std::vector<RecentReport> list;
    for (int i = first; i <= last; ++i) {
        list.push_back(
            {"/games/" + std::to_string(i) + "/plyrdata.003", "QZ001 turn " + std::to_string(i)});
    }
    return list;
}

TEST(RecentReportsTest, TheNewestFirstEightAtMostEachPathOnce) {
    struct Case {
        const char* name;
        std::vector<RecentReport> before;
        RecentReport noted;
        std::vector<std::string> paths; // after, by place
    };
    const RecentReport again{"/games/3/plyrdata.003", "QZ001 turn 3, read again"};
    const Case cases[] = {
        {"into an empty list", {}, again, {"/games/3/plyrdata.003"}},
        {"a path already there moves to the front",
         Reports(1, 4),
         again,
         {"/games/3/plyrdata.003", "/games/1/plyrdata.003", "/games/2/plyrdata.003",
          "/games/4/plyrdata.003"}},
        {"the ninth falls off",
         Reports(1, 8),
         {"/games/9/plyrdata.003", "9"},
         {"/games/9/plyrdata.003", "/games/1/plyrdata.003", "/games/2/plyrdata.003",
          "/games/3/plyrdata.003", "/games/4/plyrdata.003", "/games/5/plyrdata.003",
          "/games/6/plyrdata.003", "/games/7/plyrdata.003"}},
        {"a line break would break the file",
         Reports(1, 1),
         {"/games/a\nb/plyrdata.003", "x"},
         {"/games/1/plyrdata.003"}},
        {"blanks at the end would be lost",
         Reports(1, 1),
         {"/games/x/plyrdata.003 ", "x"},
         {"/games/1/plyrdata.003"}},
    };
    for (const Case& c : cases) {
        std::vector<RecentReport> list = c.before;
        NoteRecentReport(list, c.noted);
        std::vector<std::string> paths;
        for (const RecentReport& r : list) {
            paths.push_back(r.path);
        }
        EXPECT_EQ(paths, c.paths) << c.name;
    }
    std::vector<RecentReport> list = Reports(1, 4);
    NoteRecentReport(list, again);
    EXPECT_EQ(list.front().title, again.title);
}

TEST(RecentReportsTest, KeptInASectionOfItsOwnLeavingEveryOtherLineAsItWas) {
    test::TempFolder folder("dered-recent-");
    const std::string settings = "[Colours]\r\nBorders=&H808080&\r\n; a note of the user's\r\n"
                                 "[Positions]\r\nMapX=-40\r\nHexSize=13\r\n";
    folder.Write("der-ed.ini", settings);
    IniFile ini(folder.Path("der-ed.ini").string());
    // Longer than the 99 characters a settings value is otherwise cut to.
    const std::string deep = "/home/player/games/" + std::string(120, 'd') + "/1881-2/plyrdata.003";
    std::vector<RecentReport> list = Reports(1, 2);
    NoteRecentReport(list, {deep, "QZ001 Eskarin Kingdom, 1881 turn 2"});
    ASSERT_EQ(SaveRecentReports(list, ini), "");
    const std::string written = folder.Read("der-ed.ini");
    EXPECT_EQ(written.substr(0, settings.size()), settings);
    EXPECT_NE(written.find("[Recent]"), std::string::npos);
    EXPECT_EQ(written.find("File9"), std::string::npos); // eight places, no more
    EXPECT_EQ(LoadRecentReports(ini), list);
    // A shorter list blanks the places it no longer uses.
    list.resize(1);
    ASSERT_EQ(SaveRecentReports(list, ini), "");
    EXPECT_EQ(LoadRecentReports(ini), list);
    // Only eight places are read, whatever a hand-edited file holds.
    ini.WriteString("Recent", "File9", "/games/9/plyrdata.003");
    EXPECT_EQ(LoadRecentReports(ini), list);
    EXPECT_EQ(folder.Read("der-ed.ini").substr(0, settings.size()), settings);
}

} // namespace
} // namespace dered
