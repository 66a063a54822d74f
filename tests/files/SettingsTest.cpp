#include "files/Settings.h"
#include "files/MapFolders.h"
#include "files/SettingsFiles.h"
#include "support/MemoryIni.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace dered {
namespace {

using test::MemoryIni;

SettingsRecord Loaded(const IniService& ini) {
    SettingsRecord s;
    LoadSettings(s, ini);
    return s;
}

SettingsRecord LoadedWith(std::string_view section, std::string_view key, std::string_view value) {
    MemoryIni ini;
    ini.Set(section, key, value);
    return Loaded(ini);
}

std::string Written(const MemoryIni& ini, std::string_view name) {
    for (const auto& [key, value] : ini.writes) {
        if (key == name) {
            return value;
        }
    }
    return "(not written)";
}

SettingsRecord DefaultRecord() {
    SettingsRecord s;
    s.BorderColour = 0x808080;
    s.WaterColour = 0xFFFF80;
    s.NoGoColour = 0;
    s.CountryColour = {0xC0C0C0, 0,        0xFF, 0xFF00, 0xFFFF, 0xFF0000, 0xFF00FF,
                       0xFFFF00, 0xFFFFFF, 0,    0xFF,   0xFF00, 0xFFFF};
    s.ArrowColour = {0xFF0000, 0xFF00, 0xFF, 0xFFFF};
    s.MapX = 0;
    s.MapY = 0;
    s.HexDisplay = 0;
    s.CellSize = 26;
    return s;
}

TEST(SettingsLoad, NoFileGivesDefaultsInEveryField) {
    EXPECT_EQ(Loaded(MemoryIni{}), DefaultRecord());
    EXPECT_EQ(Loaded(IniFile("/nonexistent-der-ed-folder/der-ed.ini")), DefaultRecord());
    SettingsRecord s;
    s.NoGoColour = 77;
    s.MapX = -5;
    s.HexDisplay = -1;
    LoadSettings(s, MemoryIni{});
    EXPECT_EQ(s, DefaultRecord());
    EXPECT_EQ(LoadedWith("Colours", "NoGo", "&H404040&").NoGoColour, 0x404040);
}

TEST(SettingsLoad, HexadecimalWidthFollowsDigitsAndClosingMark) {
    struct Case {
        const char* text;
        int32_t colour;
    };
    const Case cases[] = {
        {"&HFF00", -256},
        {"&HFF00&", 65280},
        {"&HFFFF", -1},
        {"&H0FFFF", 65535},
        {"&HFFFFFFFF", -1},
        {"&HFFFFFFFF&", -1},
        {"&haf", 175},
        {"&HFFx", 255},
        {"&H", 0},
        {"&H80000000", std::numeric_limits<int32_t>::min()},
        {"&H00000000FF", 255}, // leading zeros do not overflow
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadedWith("Colours", "Water", c.text).WaterColour, c.colour) << c.text;
    }
}

TEST(SettingsLoad, DecimalReadsUpToFirstForeignCharacter) {
    struct Case {
        const char* text;
        int32_t colour;
    };
    const Case cases[] = {
        {"16711680", 0xFF0000},
        {"12 34", 1234},
        {"1\r2\n3", 123}, // line ends inside a hand-edited value are blanks too
        {"- 7", -7},
        {"+9", 9},
        {"255red", 255},
        {"1e3", 1000},
        {"2D2", 200},
        {"1e", 1},
        {"1.5.3", 2},
        {"2.5", 2},
        {"-2.5", -2},
        {".5", 0},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"&O17", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadedWith("Colours", "Borders", c.text).BorderColour, c.colour) << c.text;
    }
}

TEST(SettingsLoad, NumberOutsideFieldGivesKeysDefault) {
    EXPECT_EQ(LoadedWith("Colours", "Borders", "4294967296").BorderColour, 0x808080);
    EXPECT_EQ(LoadedWith("Colours", "Borders", "&H100000000&").BorderColour, 0x808080);
    EXPECT_EQ(LoadedWith("Colours", "Borders", "1e999").BorderColour, 0x808080);
    EXPECT_EQ(LoadedWith("Colours", "CountryB", "-3000000000").CountryColour[2], 0xFF);
    EXPECT_EQ(LoadedWith("Positions", "MapX", "32768").MapX, 0);
    EXPECT_EQ(LoadedWith("Positions", "MapY", "-32769").MapY, 0);
    EXPECT_EQ(LoadedWith("Positions", "MapY", "&HFFFF&").MapY, 0);
    EXPECT_EQ(LoadedWith("Positions", "MapY", "&HFFFF").MapY, -1);
    EXPECT_EQ(LoadedWith("Positions", "MapX", "-32767.5").MapX, -32768);
    // Doubled, 16384 no longer fits the cell size.
    EXPECT_EQ(LoadedWith("Positions", "HexSize", "16384").CellSize, 26);
    // Any number but zero shows hexagons.
    EXPECT_EQ(LoadedWith("Positions", "HexDisplay", "1").HexDisplay, -1);
    EXPECT_EQ(LoadedWith("Positions", "HexDisplay", "-1").HexDisplay, -1);
    EXPECT_EQ(LoadedWith("Positions", "HexDisplay", "0.25").HexDisplay, -1);
    EXPECT_EQ(LoadedWith("Positions", "HexDisplay", "0").HexDisplay, 0);
    EXPECT_EQ(LoadedWith("Positions", "HexDisplay", "yes").HexDisplay, 0);
}

TEST(SettingsLoad, HexSizeIsDoubledRoundedAndClamped) {
    struct Case {
        const char* hexSize;
        const char* hexDisplay;
        int16_t cellSize;
    };
    const Case cases[] = {
        {"2", "0", 6},      {"3", "-1", 6},    {"20", "-1", 30},  {"20", "0", 36},
        {"15", "-1", 30},   {"18", "0", 36},   {"13.5", "0", 27}, {"12.25", "0", 24},
        {"12.75", "0", 26}, {"none", "-1", 6}, {"-40", "0", 6},
    };
    for (const Case& c : cases) {
        MemoryIni ini;
        ini.Set("Positions", "HexSize", c.hexSize);
        ini.Set("Positions", "HexDisplay", c.hexDisplay);
        EXPECT_EQ(Loaded(ini).CellSize, c.cellSize) << c.hexSize << " / " << c.hexDisplay;
    }
}

// The key order and texts are checked byte for byte in the file below.
TEST(SettingsSave, DefaultsWrittenInOrderWithoutNoGo) {
    MemoryIni ini;
    EXPECT_EQ(SaveSettings(Loaded(ini), ini), "");
    EXPECT_EQ(ini.writes, SettingsFileLines(DefaultRecord()));
    EXPECT_EQ(ini.writes.size(), 23u);
    EXPECT_EQ(Written(ini, "Colours/NoGo"), "(not written)");
}

TEST(SettingsSave, ValuesReadBackAsWritten) {
    MemoryIni ini;
    ini.Set("Positions", "MapX", "-340");
    ini.Set("Positions", "HexDisplay", "1");
    ini.Set("Positions", "HexSize", "13.5");
    ini.Set("Colours", "Water", "&HFF00&");
    EXPECT_EQ(SaveSettings(Loaded(ini), ini), "");
    EXPECT_EQ(Written(ini, "Positions/MapX"), "-340");
    EXPECT_EQ(Written(ini, "Positions/HexDisplay"), "-1");
    EXPECT_EQ(Written(ini, "Positions/HexSize"), "13");
    EXPECT_EQ(Written(ini, "Colours/Water"), "&HFF00&");
    EXPECT_EQ(Loaded(ini).WaterColour, 65280);
}

TEST(SettingsSave, NegativeColours) {
    SettingsRecord s = DefaultRecord();
    s.BorderColour = -1;
    s.ArrowColour[3] = -256;
    s.CountryColour[1] = -256; // players' colours are written from the magnitude
    s.CountryColour[2] = std::numeric_limits<int32_t>::min();
    MemoryIni ini;
    EXPECT_EQ(SaveSettings(s, ini), "");
    EXPECT_EQ(Written(ini, "Colours/Borders"), "&HFFFFFFFF&");
    EXPECT_EQ(Written(ini, "Colours/SD"), "&HFFFFFF00&");
    EXPECT_EQ(Written(ini, "Colours/CountryA"), "&H100&");
    EXPECT_EQ(Written(ini, "Colours/CountryB"), "&H80000000&");
    const SettingsRecord back = Loaded(ini);
    EXPECT_EQ(back.BorderColour, -1);
    EXPECT_EQ(back.ArrowColour[3], -256);
    EXPECT_EQ(back.CountryColour[1], 256);
}

TEST(SettingsSave, FileOnDiskByteForByte) {
    const test::TempFolder folder("dered-settings-");
    IniFile file(folder.Path("der-ed.ini").string());
    SettingsRecord s = Loaded(file);
    s.MapX = -340;
    EXPECT_EQ(SaveSettings(s, file), "");
    EXPECT_EQ(folder.Read("der-ed.ini"),
              "[Colours]\nBorders=&H808080&\nWater=&HFFFF80&\nNeutral=&HC0C0C0&\n"
              "CountryA=&H0&\nCountryB=&HFF&\nCountryC=&HFF00&\nCountryD=&HFFFF&\n"
              "CountryE=&HFF0000&\nCountryF=&HFF00FF&\nCountryG=&HFFFF00&\n"
              "CountryH=&HFFFFFF&\nCountryI=&H0&\nCountryJ=&HFF&\nCountryK=&HFF00&\n"
              "CountryL=&HFFFF&\nCO=&HFF0000&\nMO=&HFF00&\nSA=&HFF&\nSD=&HFFFF&\n"
              "[Positions]\nMapX=-340\nMapY=0\nHexDisplay=0\nHexSize=13\n");
    EXPECT_EQ(Loaded(file), s);
}

// Each key from the player's file, else the shipped one, else its default; writes reach only
// the player's file. A player's file holding only other sections keeps the shipped look.
TEST(SettingsFilesTest, OwnFileThenShippedThenDefaults) {
    const test::TempFolder folder("dered-settings-");
    folder.Write("shipped.ini", "[Colours]\nCountryL=&H123&\nWater=&H456&\n[Positions]\n"
                                "HexDisplay=-1\nHexSize=13\n");
    folder.Write("own.ini", "[Recent]\nReport1=x\n[Colours]\nWater=&H789&\n");
    SettingsFiles files({folder.Path("own.ini").string(), folder.Path("shipped.ini").string()});
    SettingsRecord s = Loaded(files);
    EXPECT_EQ(s.WaterColour, 0x789);
    EXPECT_EQ(s.CountryColour[12], 0x123);
    EXPECT_EQ(s.CellSize, 26);
    EXPECT_EQ(s.HexDisplay, -1);
    EXPECT_EQ(s.BorderColour, DefaultRecord().BorderColour);
    s.HexDisplay = 0;
    EXPECT_EQ(SaveSettings(s, files), "");
    EXPECT_EQ(Loaded(files), s);
    EXPECT_EQ(Loaded(IniFile(folder.Path("shipped.ini").string())).HexDisplay, -1);
    // No shipped file, and a player's file that is missing: the defaults exactly.
    EXPECT_EQ(Loaded(SettingsFiles({folder.Path("none.ini").string(), {}})), DefaultRecord());
}

// The file that ships: hexagons large enough for units and numbers, no player in the no-entry
// black, and player 12 (no report data in smaller games) in a colour of its own.
TEST(SettingsFilesTest, TheShippedFileIsFoundWithTheMapFiles) {
    const auto shipped = FindShippedSettings(OnlyFolder(DERED_BINARY_DIR));
    ASSERT_FALSE(shipped.empty());
    EXPECT_TRUE(FindShippedSettings(OnlyFolder("/nonexistent-der-ed-folder")).empty());
    const SettingsRecord s = Loaded(IniFile(shipped.string()));
    EXPECT_EQ(s.HexDisplay, -1);
    EXPECT_EQ(s.CellSize, 26);
    EXPECT_EQ(std::count(s.CountryColour.begin(), s.CountryColour.end(), s.NoGoColour), 0);
    const int32_t noData = s.CountryColour[12];
    for (const int32_t other : {s.BorderColour, s.WaterColour, s.NoGoColour}) {
        EXPECT_NE(other, noData);
    }
    EXPECT_EQ(std::count(s.CountryColour.begin(), s.CountryColour.end(), noData), 1);
}

} // namespace
} // namespace dered
