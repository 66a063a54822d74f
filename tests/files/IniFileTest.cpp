#include "files/IniFile.h"
#include "files/RecoveryFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace dered {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
  protected:
    void Put(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Get(std::string_view section, std::string_view key) const {
        return IniFile(path_.string()).GetString(section, key, "(default)");
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) const {
        IniFile(path_.string()).WriteString(section, key, value);
    }

    test::TempFolder folder_{"dered-ini-"};
    fs::path dir_ = fs::path(folder_.Folder()).parent_path();
    fs::path path_ = folder_.Path("der-ed.ini");
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesDefault) {
    EXPECT_EQ(Get("Colours", "Water"), "(default)");
    Put("Water=1\n[Other]\nWater=2\n[Colours]\n;Water=3\nWater\n# Water=4\n");
    EXPECT_EQ(Get("Colours", "Water"), "(default)");
    EXPECT_EQ(Get("Positions", "MapX"), "(default)");
    const std::string longDefault(150, 'd');
    EXPECT_EQ(IniFile(path_.string()).GetString("Colours", "Water", longDefault),
              longDefault.substr(0, 99));
}

TEST_F(IniFileTest, FindsSectionsAndKeysRegardlessOfCaseAndBlanks) {
    Put("\xEF\xBB\xBF[ colours ]\r\n  BORDERS =  &HFF&  \r\nwater=\r\nBorders=second\r\n"
        "[Positions]\r\nMapX\t=\t-340\r\n");
    EXPECT_EQ(Get("Colours", "Borders"), "&HFF&"); // the first of two wins
    EXPECT_EQ(Get("COLOURS", "Water"), "");        // present but empty is not missing
    EXPECT_EQ(Get("positions", "MAPX"), "-340");
    const std::string value(120, 'x');
    Put("[Z]\nk=" + value + "\n");
    EXPECT_EQ(Get("z", "K"), value.substr(0, 99)); // values are cut at 99 characters
}

TEST_F(IniFileTest, ReplacingAKeyKeepsEveryOtherLine) {
    const std::string before = "; der-ed settings\r\n"
                               "[Colours]\r\n"
                               "  water = &HFF&  ; old\r\n"
                               "Unknown=keep me\r\n"
                               "\r\n"
                               "[Mine]\r\n"
                               "Water=other section\r\n";
    Put(before);
    Write("Colours", "Water", "&HFF00&");
    EXPECT_EQ(Contents(), "; der-ed settings\r\n"
                          "[Colours]\r\n"
                          "  water=&HFF00&\r\n"
                          "Unknown=keep me\r\n"
                          "\r\n"
                          "[Mine]\r\n"
                          "Water=other section\r\n");
}

TEST_F(IniFileTest, MissingKeyGoesAtEndOfItsSection) {
    Put("[Colours]\r\nBorders=1\r\n\r\n[Positions]\r\nMapX=0\r\n\r\n");
    Write("colours", "Water", "2");
    Write("Positions", "MapY", "3");
    EXPECT_EQ(Contents(), "[Colours]\r\nBorders=1\r\nWater=2\r\n\r\n"
                          "[Positions]\r\nMapX=0\r\nMapY=3\r\n\r\n");
}

TEST_F(IniFileTest, MissingSectionIsAppendedInTheFilesLineEnds) {
    Put("[Colours]\r\nBorders=1"); // no line end after the last line
    Write("Positions", "MapX", "-5");
    EXPECT_EQ(Contents(), "[Colours]\r\nBorders=1\r\n[Positions]\r\nMapX=-5\r\n");

    Put("[Colours]\nBorders=1");
    Write("Colours", "Water", "2");
    EXPECT_EQ(Contents(), "[Colours]\nBorders=1\nWater=2\n");

    Put("[Colours]\nBorders=1");
    Write("Colours", "Borders", "3");
    EXPECT_EQ(Contents(), "[Colours]\nBorders=3");

    Put("\n[Colours]\r\nBorders=1\r\n"); // a blank first line is a line like any other
    Write("Colours", "Borders", "4");
    EXPECT_EQ(Contents(), "\n[Colours]\r\nBorders=4\r\n");
}

// Old Mac files end lines with CR alone; they are read and written back in their own style.
TEST_F(IniFileTest, CarriageReturnsAloneEndLinesToo) {
    Put("[Colours]\rBorders=&HFF&\r\r[Positions]\rMapX=-5\r");
    EXPECT_EQ(Get("Colours", "Borders"), "&HFF&");
    EXPECT_EQ(Get("Positions", "MapX"), "-5");
    Write("Colours", "Water", "2");
    Write("Positions", "MapX", "7");
    EXPECT_EQ(Contents(), "[Colours]\rBorders=&HFF&\rWater=2\r\r[Positions]\rMapX=7\r");
}

TEST_F(IniFileTest, WriteCreatesFolderAndFileLeavingNoTemporaryFile) {
    path_ = dir_ / "a" / "b" / "der-ed.ini";
    Write("Positions", "MapX", "5");
    Write("Positions", "MapY", "6");
    EXPECT_EQ(Contents(), "[Positions]\nMapX=5\nMapY=6\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(path_.parent_path()), {}), 1);
}

TEST_F(IniFileTest, ValueCannotAddLines) {
    Write("A", "k", "one\r\n[B]\nx=y");
    EXPECT_EQ(Contents(), "[A]\nk=one\n");
    Write("A", "bad=key", "v");
    Write("A", "", "v");
    Write("A]\n[B", "k", "v");
    EXPECT_EQ(Contents(), "[A]\nk=one\n");
}

TEST_F(IniFileTest, FailedWriteIsSilentAndHarmless) {
    Put("[A]\nk=1\n");
    fs::permissions(path_, fs::perms::owner_read);
    Write("A", "k", "2");
    EXPECT_EQ(Contents(), "[A]\nk=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);

    path_ = dir_; // a folder where the file should be
    Write("A", "k", "2");
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(IniFileTest, WritesManyKeysInOneRewriteOrSaysWhyNone) {
    Put("[A]\nk=1\n");
    const std::vector<IniEntry> entries = {{"A", "k", "2"}, {"B", "j", "3"}};
    const std::string path = path_.string();
    fs::permissions(path_, fs::perms::owner_read);
    EXPECT_EQ(IniFile(path).WriteStrings(entries),
              "Can't write " + path + ": the file is read-only");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path inside = folder_.Path("sub.ini");
    fs::create_directories(inside);
    EXPECT_EQ(IniFile(inside.string()).WriteStrings(entries),
              "Can't write " + inside.string() + ": it is a folder, not a file");
    const fs::path below = path_ / "x.ini"; // a file where a folder belongs
    EXPECT_NE(IniFile(below.string()).WriteStrings(entries).find("Can't write " + below.string()),
              std::string::npos);
    EXPECT_EQ(Contents(), "[A]\nk=1\n");

    EXPECT_EQ(IniFile(path).WriteStrings(entries), "");
    EXPECT_EQ(Contents(), "[A]\nk=2\n[B]\nj=3\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2) << "no temporary is left";
}

TEST_F(IniFileTest, WritesThroughASymbolicLink) {
    Put("[A]\nk=1\n");
    const fs::path link = dir_ / "link.ini";
    fs::create_symlink(path_, link);
    IniFile(link.string()).WriteString("A", "k", "2");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(), "[A]\nk=2\n");
}

// Settings and recovered orders: an absolute XDG folder first, else the home folder.
TEST(DefaultPaths, FollowXdgThenHome) {
    EXPECT_EQ(DefaultSettingsPath("/cfg", "/home/p"), "/cfg/der-ed/der-ed.ini");
    EXPECT_EQ(DefaultRecoveryDir("/st", "/home/p"), "/st/der-ed/");
    EXPECT_EQ(DefaultSettingsPath("relative", "/home/p"), "/home/p/.config/der-ed/der-ed.ini");
    EXPECT_EQ(DefaultRecoveryDir("", "/home/p"), "/home/p/.local/state/der-ed/");
    EXPECT_EQ(DefaultSettingsPath("", ""), "der-ed.ini");
    EXPECT_EQ(DefaultRecoveryDir("relative", ""), "");
}

} // namespace
} // namespace dered
