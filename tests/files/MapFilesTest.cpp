#include "files/MapFiles.h"

#include "platform/SystemDisk.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace dered {
namespace {

namespace fs = std::filesystem;

// A small valid pair of map files: area n is water when n is even, its neighbours are
// n - 1 and n + 1, its name is "Area_<n>_North"; all cells belong to area 1 but for
// column 2, which belongs to area 2, and cell (1, 1), which shows everything.
std::string AreaFile(int homeRecords) {
    std::ostringstream out;
    for (int n = 1; n <= MaxArea; ++n) {
        out << (n % 2 == 0 ? 3 : 1) << ',' << n % 4 << ',' << n - 1 << ','
            << (n < MaxArea ? n + 1 : 0) << ",0,0,0,0,0,0,0,0,0,0,0,0,Area_" << n << "_North\r\n";
    }
    for (int i = 1; i <= homeRecords; ++i) {
        out << 10 * i << ",Home " << i << "\r\n";
    }
    return out.str();
}

std::string HexLine(int c, int r, int area, const std::string& rest) {
    return std::to_string(c) + "," + std::to_string(r) + "," + std::to_string(area) + "," + rest +
           "\r\n";
}

std::string HexFile() {
    std::string out;
    for (int c = 1; c <= MapColumns; ++c) {
        for (int r = 1; r <= MapRows; ++r) {
            const std::string rest =
                (c == 1 && r == 1) ? "1,0,1,0,1,0,-1,-1,-1" : "0,0,0,0,0,0,0,0,0";
            out += HexLine(c, r, c == 2 ? 2 : 1, rest);
        }
    }
    return out;
}

class MapFilesTest : public ::testing::Test {
  protected:
    void Write(const std::string& areaText, const std::string& hexText) {
        folder_.Write(MapAreaFileName, areaText);
        folder_.Write(MapHexFileName, hexText);
    }
    std::string Load() { return LoadMapFiles(*game_, *hexMap_, OnlyFolder(Dir())); }
    std::string Dir() const { return folder_.Folder(); }
    std::string AreaPath() const { return "Map file " + Dir() + "map-area.dat: "; }

    // Loading a file that fails on its home records keeps the areas as they were.
    void ExpectHomesRefused(int16_t players, const std::string& areaText,
                            const std::string& expected) {
        game_->PlayerCount = players;
        Write(areaText, HexFile());
        const GameState before = *game_;
        EXPECT_EQ(Load(), AreaPath() + expected);
        EXPECT_TRUE(*game_ == before);
    }

    // A refused load must leave both records exactly as they were.
    void ExpectRefused(const std::string& areaText, const std::string& hexText,
                       const std::string& expected) {
        SCOPED_TRACE(expected);
        Write(AreaFile(0), HexFile());
        game_->PlayerCount = 1;
        ASSERT_EQ(Load(), "");
        game_->Areas[5].Owner = 4;
        const GameState gameBefore = *game_;
        const HexMap hexBefore = *hexMap_;
        Write(areaText, hexText);
        EXPECT_EQ(Load(), expected);
        EXPECT_TRUE(*game_ == gameBefore);
        EXPECT_TRUE(*hexMap_ == hexBefore);
    }

    test::TempFolder folder_{"dered-mapfiles-"};
    SystemDisk disk_;
    std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
    std::unique_ptr<HexMap> hexMap_ = std::make_unique<HexMap>();
};

TEST_F(MapFilesTest, ReadsAreaFieldsNamesAndExtents) {
    Write(AreaFile(0), HexFile());
    game_->Areas[MaxArea].Owner = 7;
    game_->Areas[40].Owner = 3;
    game_->Areas[40].Name = "old";
    ASSERT_EQ(Load(), "");
    const AreaRecord& a40 = game_->Areas[40];
    EXPECT_EQ(a40.Terrain, 3);
    EXPECT_EQ(a40.Supply, 0);
    EXPECT_EQ(a40.Neighbour[0], 39);
    EXPECT_EQ(a40.Neighbour[1], 41);
    EXPECT_EQ(a40.Neighbour[13], 0);
    EXPECT_EQ(a40.Name, "Area 40 North");
    EXPECT_EQ(a40.Owner, 3); // the report's fields stay
    EXPECT_EQ(game_->Areas[MaxArea].Owner, 0);
    EXPECT_EQ(game_->Areas[MaxArea].Neighbour[1], 0);

    EXPECT_EQ(game_->Areas[1].MinCol, 1);
    EXPECT_EQ(game_->Areas[1].MaxCol, 70);
    EXPECT_EQ(game_->Areas[1].MinRow, 1);
    EXPECT_EQ(game_->Areas[1].MaxRow, 31);
    EXPECT_EQ(game_->Areas[2].MinCol, 2);
    EXPECT_EQ(game_->Areas[2].MaxCol, 2);
    // No cell names area 40: a loop over its columns runs zero times.
    EXPECT_EQ(a40.MinCol, 999);
    EXPECT_EQ(a40.MaxCol, 0);
    EXPECT_EQ(a40.MinRow, 999);
    EXPECT_EQ(a40.MaxRow, 0);

    const HexCell& corner = hexMap_->At(1, 1);
    EXPECT_EQ(corner.Area, 1);
    EXPECT_EQ(corner.Border, (std::array<int16_t, 6>{1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(corner.Display, (std::array<int16_t, 3>{-1, -1, -1}));
    EXPECT_EQ(hexMap_->At(0, 0), HexCell{});
}

TEST_F(MapFilesTest, AQuotedNameKeepsItsComma) {
    std::string area = AreaFile(0);
    const std::string first = "1,1,0,2,0,0,0,0,0,0,0,0,0,0,0,0,Area_1_North\r\n";
    ASSERT_EQ(area.rfind(first, 0), 0u);
    area.replace(0, first.size(), "4,1,0,2,0,0,0,0,0,0,0,0,0,0,0,0,\"Cape, Far\"\r\n");
    Write(area, HexFile());
    ASSERT_EQ(Load(), "");
    EXPECT_EQ(game_->Areas[1].Name, "Cape, Far");
    EXPECT_EQ(game_->Areas[1].Terrain, 4);
}

TEST_F(MapFilesTest, HomeSectionHoldsPlayerCountLessOneRecords) {
    Write(AreaFile(1), HexFile());
    game_->PlayerCount = 2;
    game_->Areas[20].HomeCentre = -1; // from an earlier load: cleared again
    ASSERT_EQ(Load(), "");
    EXPECT_EQ(game_->Areas[10].HomeCentre, -1);
    EXPECT_EQ(game_->Areas[20].HomeCentre, 0);

    Write(AreaFile(0), HexFile());
    game_->PlayerCount = 1;
    ASSERT_EQ(Load(), "");
    EXPECT_EQ(game_->Areas[10].HomeCentre, 0);

    // Records past PlayerCount - 1 are not read.
    Write(AreaFile(12), HexFile());
    game_->PlayerCount = 3;
    ASSERT_EQ(Load(), "");
    EXPECT_EQ(game_->Areas[10].HomeCentre, -1);
    EXPECT_EQ(game_->Areas[20].HomeCentre, -1);
    EXPECT_EQ(game_->Areas[30].HomeCentre, 0);
}

TEST_F(MapFilesTest, SaveRewritesPositionsAndRoundTripsByteForByte) {
    // Column and row fields are ignored on reading and rewritten from the cell's place.
    std::string hex = HexFile();
    const std::string first = HexLine(1, 1, 1, "1,0,1,0,1,0,-1,-1,-1");
    hex.replace(0, first.size(), " 9 , 9 , 1 ,1,0,1,0,1,0,-1,-1,-1\r\n");
    Write(AreaFile(0), hex);
    ASSERT_EQ(Load(), "");
    hexMap_->At(70, 31).Area = 293;
    hexMap_->At(70, 31).Border[3] = 1;
    const fs::path out = folder_.Path("saved.dat");
    ASSERT_EQ(SaveHexData(*hexMap_, out.string(), disk_), "");

    std::string expected = HexFile();
    expected.replace(expected.size() - HexLine(70, 31, 1, "0,0,0,0,0,0,0,0,0").size(),
                     std::string::npos, HexLine(70, 31, 293, "0,0,0,1,0,0,0,0,0"));
    EXPECT_EQ(folder_.Read("saved.dat"), expected);
    EXPECT_FALSE(fs::exists(out.string() + ".new"));

    // The saved file loads to the same grid.
    const HexMap saved = *hexMap_;
    fs::rename(out, folder_.Path(MapHexFileName));
    ASSERT_EQ(Load(), "");
    EXPECT_TRUE(*hexMap_ == saved);
}

TEST_F(MapFilesTest, SaveReplacesAFileWholeOrFailsLeavingNothing) {
    folder_.Write("empty.dat", "old contents");
    ASSERT_EQ(SaveHexData(HexMap{}, folder_.Path("empty.dat").string(), disk_), "");
    const std::string text = folder_.Read("empty.dat");
    EXPECT_EQ(text.substr(0, 27), "1,1,0,0,0,0,0,0,0,0,0,0\r\n1,");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2170);

    const fs::path out = folder_.Path("no-such-folder") / "map-hex.dat";
    const std::string message = SaveHexData(HexMap{}, out.string(), disk_);
    EXPECT_NE(message.find(out.string()), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(out));
}

// Only files count as found: a folder of the name is passed over like a missing file.
TEST_F(MapFilesTest, MissingFilesAreRefusedByName) {
    ExpectRefused(AreaFile(0), HexFile(), "");
    fs::remove(folder_.Path(MapHexFileName));
    EXPECT_EQ(Load(), "Map file map-hex.dat not found; searched: " + Dir());
    fs::remove(folder_.Path(MapAreaFileName));
    fs::create_directory(folder_.Path(MapAreaFileName));
    EXPECT_EQ(Load(), "Map file map-area.dat not found; searched: " + Dir());
}

TEST_F(MapFilesTest, ShortFilesAndValuesOutOfRangeAreRefusedAndChangeNothing) {
    const std::string area = AreaFile(0);
    const std::string hex = HexFile();
    const std::string areaPath = AreaPath();
    const std::string hexPath = "Map file " + Dir() + "map-hex.dat: ";
    ExpectRefused(area.substr(0, area.rfind("\r\n", area.size() - 3) + 2), hex,
                  areaPath + "line 293: the file ends early");
    ExpectRefused("", hex, areaPath + "line 1: the file ends early");
    ExpectRefused(area, hex.substr(0, hex.size() - 10), hexPath + "line 2170: the file ends early");
    ExpectHomesRefused(3, AreaFile(1), "line 295: the file ends early");

    auto withLine = [](std::string text, int line, const std::string& replacement) {
        size_t start = 0;
        for (int i = 1; i < line; ++i) {
            start = text.find("\r\n", start) + 2;
        }
        const size_t end = text.find("\r\n", start);
        return text.replace(start, end - start, replacement);
    };
    ExpectRefused(withLine(area, 7, "1,0,294,0,0,0,0,0,0,0,0,0,0,0,0,0,Bad"), hex,
                  areaPath + "line 7: neighbour area 294 is outside 0 to 293");
    ExpectRefused(withLine(area, 8, "1,-1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,Bad"), hex,
                  areaPath + "line 8: supply -1 is outside 0 to 32767");
    ExpectRefused(withLine(area, 5, "9,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,Bad"), hex,
                  areaPath + "line 5: terrain 9 is outside 1 to 4");
    ExpectRefused(withLine(area, 6, "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,Bad"), hex,
                  areaPath + "line 6: terrain 0 is outside 1 to 4");
    ExpectRefused(withLine(area, 9, "x,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,Bad"), hex,
                  areaPath + "line 9: \"x\" where a number belongs");
    ExpectRefused(area, withLine(hex, 12, "1,12,294,0,0,0,0,0,0,0,0,0"),
                  hexPath + "line 12: area 294 is outside 0 to 293");
    ExpectRefused(area, withLine(hex, 13, "1,13,-1,0,0,0,0,0,0,0,0,0"),
                  hexPath + "line 13: area -1 is outside 0 to 293");
    ExpectRefused(area, withLine(hex, 14, "1,14,1,0,0,-1,0,0,0,0,0,0"),
                  hexPath + "line 14: border flag -1 is outside 0 to 1");
    ExpectRefused(area, withLine(hex, 2170, "70,31,1,0,0,0,0,0,0,0,0,1"),
                  hexPath + "line 2170: display flag 1 is outside -1 to 0");

    ExpectHomesRefused(2, area + "294,Nowhere\r\n", "line 294: home area 294 is outside 0 to 293");
}

} // namespace
} // namespace dered
