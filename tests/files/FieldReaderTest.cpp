#include "files/FieldReader.h"
#include "files/LineWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace dered {
namespace {

TEST(FieldReader, ReadsCommaAndLineSeparatedFieldsWithQuotesAndBlanks) {
    std::istringstream in("  \"Quoted, text\" , plain text  ,12\r\n-7,  \r\n\r\nlast");
    FieldReader reader(in);
    std::string text;
    int16_t n = 0;
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, "Quoted, text");
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, "plain text");
    ASSERT_TRUE(reader.ReadNumber(n));
    EXPECT_EQ(n, 12);
    ASSERT_TRUE(reader.ReadNumber(n));
    EXPECT_EQ(n, -7);
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(reader.ReadText(text));
    EXPECT_EQ(text, "last");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadText(text));
    EXPECT_EQ(reader.Error(), "line 4: the file ends early");
    std::istringstream tail("7 \r\n\x1a");
    FieldReader trailing(tail);
    ASSERT_TRUE(trailing.ReadNumber(n));
    EXPECT_TRUE(trailing.AtEnd()); // blanks, a line end and an end-of-file mark
}

TEST(FieldReader, RefusesTextAndOutOfRangeNumbersNamingTheLine) {
    int16_t n = 0;
    std::istringstream text("1\r\nabc\r\n");
    FieldReader r1(text);
    ASSERT_TRUE(r1.ReadNumber(n));
    EXPECT_FALSE(r1.ReadNumber(n));
    EXPECT_EQ(r1.Error(), "line 2: \"abc\" where a number belongs");

    // A line break inside quotes still counts as a line.
    std::istringstream quoted("\"two\r\nlines\",abc");
    FieldReader r3(quoted);
    std::string name;
    ASSERT_TRUE(r3.ReadText(name));
    EXPECT_FALSE(r3.ReadNumber(n));
    EXPECT_EQ(r3.Error(), "line 2: \"abc\" where a number belongs");

    std::istringstream big("32767,-32768,32768");
    FieldReader r2(big);
    EXPECT_TRUE(r2.ReadNumber(n));
    EXPECT_EQ(n, 32767);
    EXPECT_TRUE(r2.ReadNumber(n));
    EXPECT_EQ(n, -32768);
    EXPECT_FALSE(r2.ReadNumber(n));
    EXPECT_EQ(r2.Error(), "line 1: the number 32768 is outside -32768 to 32767");

    // The map files' short numbers, line ends of either kind, then a number run into text.
    std::istringstream map("-1,9999\r\n-9999\n12x,-99999");
    FieldReader r4(map);
    for (const int16_t expected : {-1, 9999, -9999}) {
        ASSERT_TRUE(r4.ReadNumber(n));
        EXPECT_EQ(n, expected);
    }
    EXPECT_FALSE(r4.ReadNumber(n));
    EXPECT_EQ(r4.Error(), "line 3: \"12x\" where a number belongs");
    std::istringstream huge("-99999");
    FieldReader r5(huge);
    EXPECT_FALSE(r5.ReadNumber(n));
}

TEST(FieldReader, AStreamThatFailsWhileReadIsAFileThatCannotBeRead) {
    std::ifstream folder(DERED_SOURCE_DIR, std::ios::binary); // reading a folder throws
    FieldReader reader(folder);
    std::string text;
    EXPECT_FALSE(reader.ReadText(text));
    EXPECT_EQ(reader.Error(), "line 1: the file cannot be read");
}

TEST(LineWriter, WritesNumbersWithSignPlaceTightAndInZones) {
    std::ostringstream out;
    LineWriter tight(out, LineWriter::Join::Tight);
    tight.Text("MO").Text(" ").Number(12).Text(" ").Number(134);
    tight.EndLine();
    tight.Text("X").Number(-1);
    tight.EndLine();
    EXPECT_EQ(out.str(), "MO  12   134 \r\nX-1 \r\n");

    std::ostringstream zoned;
    LineWriter zones(zoned, LineWriter::Join::Zones);
    zones.Text("QZ001").Text(",").Number(1880).Number(1);
    zones.EndLine();
    // An item that fills its zone is followed at once; an empty one still takes a zone.
    zones.Text("12345678901234").Text("x").Text("").Text("y");
    zones.EndLine();
    zones.Text("123456789012345").Text("z");
    zones.EndLine();
    EXPECT_EQ(zoned.str(), "QZ001         ,              1880          1 \r\n"
                           "12345678901234x             "
                           "              y\r\n"
                           "123456789012345             z\r\n");
}

} // namespace
} // namespace dered
