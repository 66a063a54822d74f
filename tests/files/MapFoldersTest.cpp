#include "files/MapFolders.h"
#include "files/MapFiles.h"
#include "files/StandardPlaces.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace dered {
namespace {

namespace fs = std::filesystem;

TEST(MapFoldersTest, UserFolderThenExecutableThenItsShareThenDataDirs) {
    struct Case {
        DataEnvironment env;
        fs::path user;
        std::vector<fs::path> search;
    };
    const fs::path exe = "/opt/x/bin";
    const Case cases[] = {
        {{"/d/home", "/home/u", ""},
         "/d/home/der-ed",
         {"/d/home/der-ed", exe, "/opt/x/share/der-ed", "/usr/local/share/der-ed",
          "/usr/share/der-ed"}},
        // No XDG_DATA_HOME: under HOME; relative entries of the lists are not folders.
        {{"", "/home/u", "/a:relative:/b/"},
         "/home/u/.local/share/der-ed",
         {"/home/u/.local/share/der-ed", exe, "/opt/x/share/der-ed", "/a/der-ed", "/b/der-ed"}},
        {{"relative", "", "/a"}, "", {exe, "/opt/x/share/der-ed", "/a/der-ed"}},
    };
    for (const Case& c : cases) {
        const MapFolders folders = StandardMapFolders(exe, c.env);
        EXPECT_EQ(folders.user, c.user);
        EXPECT_EQ(folders.search, c.search) << c.env.xdgDataHome;
    }
}

TEST(MapFoldersTest, EachFileFromTheFirstFolderThatHasItElseTheFoldersAreNamed) {
    test::TempFolder temp;
    fs::create_directories(temp.Path("a"));
    fs::create_directories(temp.Path("b"));
    temp.Write("a/map-hex.dat", "");
    temp.Write("b/map-hex.dat", "");
    const MapFolders folders{{temp.Path("a"), temp.Path("b")}, {}};
    const MapFilePaths missing = FindMapFiles(folders);
    EXPECT_EQ(missing.problem, "Map file map-area.dat not found; searched: " +
                                   temp.Path("a").string() + ", " + temp.Path("b").string());

    temp.Write("b/map-area.dat", "");
    const MapFilePaths found = FindMapFiles(folders);
    EXPECT_EQ(found.problem, "");
    EXPECT_EQ(found.area, temp.Path("b") / "map-area.dat");
    EXPECT_EQ(found.hex, temp.Path("a") / "map-hex.dat");
}

// On most systems the last folder of XDG_DATA_DIRS is /usr/share, where a package puts them.
TEST(MapFoldersTest, TheLastDataFolderIsSearchedToo) {
    test::TempFolder temp;
    fs::create_directories(temp.Path("last/der-ed"));
    temp.Write("last/der-ed/map-area.dat", "");
    temp.Write("last/der-ed/map-hex.dat", "");
    const DataEnvironment env{"", "",
                              temp.Path("first").string() + ":" + temp.Path("last").string()};
    const MapFilePaths found = FindMapFiles(StandardMapFolders(temp.Path("bin"), env));
    EXPECT_EQ(found.problem, "");
    EXPECT_EQ(found.area, temp.Path("last/der-ed/map-area.dat"));
    EXPECT_EQ(found.hex, temp.Path("last/der-ed/map-hex.dat"));
}

TEST(MapFoldersTest, SaveGoesToTheUserFolderOnlyWhenTheChosenOneCannotBeWritten) {
    test::TempFolder temp;
    temp.Write("plain", "");
    // A folder under a regular file cannot be written, whoever runs the test.
    EXPECT_FALSE(FolderWritable(temp.Path("plain") / "sub"));
    EXPECT_TRUE(FolderWritable(temp.Path("")));
    EXPECT_EQ(temp.Names(), std::vector<std::string>{"plain"}); // the probe is gone

    const fs::path user = temp.Path("user") / "der-ed";
    const SavePlace same = HexSavePlace(temp.Path("mine.dat"), user, FolderWritable);
    EXPECT_EQ(same.path, temp.Path("mine.dat"));
    EXPECT_FALSE(same.inUserFolder);
    const SavePlace moved =
        HexSavePlace(temp.Path("plain") / "sub" / "mine.dat", user, FolderWritable);
    EXPECT_EQ(moved.path, user / "mine.dat");
    EXPECT_TRUE(moved.inUserFolder);
    EXPECT_TRUE(fs::is_directory(user));
}

// Both programs start from these places: what the command line names replaces the standard
// ones whole, and the shipped settings are found beside the map files.
TEST(MapFoldersTest, StandardPlacesFromTheEnvironmentUnlessNamed) {
    test::TempFolder exe;
    exe.Write("der-ed.ini", "");
    const EnvironmentLookup env = [](const char* name) {
        return std::string(name) == "HOME" ? "/home/u" : std::string();
    };
    const StandardPlaces standard = FindStandardPlaces(env, exe.Path(""), {});
    EXPECT_EQ(standard.settings.own, "/home/u/.config/der-ed/der-ed.ini");
    EXPECT_EQ(fs::path(standard.settings.shipped), exe.Path("der-ed.ini"));
    EXPECT_EQ(standard.recoveryDir, "/home/u/.local/state/der-ed/");
    EXPECT_EQ(standard.mapFolders.user, "/home/u/.local/share/der-ed");

    const StandardPlaces named = FindStandardPlaces(env, exe.Path(""), {"my.ini", "/maps"});
    EXPECT_EQ(named.settings.own, "my.ini");
    EXPECT_EQ(named.settings.shipped, "");
    EXPECT_EQ(named.mapFolders.search, std::vector<fs::path>{"/maps"});
}

} // namespace
} // namespace dered
