#include "state/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dered {
namespace {

TEST(LeadingNumberTest, ReadsUpToTheFirstCharacterThatCannotContinueTheNumber) {
    EXPECT_EQ(LeadingNumber(" 12"), 12.0);
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("  -3.25x"), -3.25);
    EXPECT_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("2e3"), 2000.0);
    EXPECT_EQ(LeadingNumber("2.5E+2x"), 250.0);
    EXPECT_EQ(LeadingNumber("-4e-1"), -0.4);
    EXPECT_EQ(LeadingNumber("2e"), 2.0);
    EXPECT_EQ(LeadingNumber("2e+x"), 2.0);
    EXPECT_EQ(LeadingNumber("1 2"), 1.0);
}

TEST(LeadingNumberTest, NoNumberReadsAsZero) {
    for (const char* text : {"", "   ", "abc", "-", "+.", ".", "e5", "x12"}) {
        EXPECT_EQ(LeadingNumber(text), 0.0) << text;
    }
}

TEST(LeadingNumberTest, NumbersBeyondADoubleAreInfiniteOrZero) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
    EXPECT_LT(LeadingNumber("-1e999"), 0.0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

} // namespace
} // namespace dered
