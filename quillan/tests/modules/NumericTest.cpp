#include "modules/Numeric.h"

#include <gtest/gtest.h>

using namespace quillan;

TEST(TrimBlanks, leadingAndTrailingSpaces_areRemovedInnerOnesKept) {
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("\tx\t"), "\tx\t");
}

TEST(IsNumeric, plainSignedAndDecimalTexts_pass) {
    for (const char* text :
         {"0", "5", " 5 ", "-5", "+5", "2.5", ".5", "5.", "-0.5", "1e3", "1E-3", "2.5e+2", "00012"})
        EXPECT_TRUE(isNumeric(text)) << text;
}

TEST(IsNumeric, emptyBlankAndMalformedTexts_fail) {
    for (const char* text : {"", "   ", "-", "+", ".", "1.2.3", "1e", "1e+", "e5", "5a", "a5", "1 2", "--5",
                             "1,5", "0x10", "inf", "nan", "5-"})
        EXPECT_FALSE(isNumeric(text)) << text;
}

TEST(ToNumber, decimalPoint_readsTheSameWhateverTheText) {
    EXPECT_DOUBLE_EQ(*toNumber(" 2.25 "), 2.25);
    EXPECT_DOUBLE_EQ(*toNumber("-1e2"), -100.0);
    EXPECT_FALSE(toNumber("abc").has_value());
}

TEST(ToNumber, hugeExponent_isNotANumberButTinyOneIsZero) {
    EXPECT_FALSE(toNumber("1e400").has_value());
    EXPECT_DOUBLE_EQ(*toNumber("1e-400"), 0.0);
}

TEST(ToInt16, halves_roundToTheEvenNeighbour) {
    EXPECT_EQ(toInt16("2.5"), 2);
    EXPECT_EQ(toInt16("3.5"), 4);
    EXPECT_EQ(toInt16("-0.5"), 0);
    EXPECT_EQ(toInt16("-1.5"), -2);
    EXPECT_EQ(toInt16("2.51"), 3);
    EXPECT_EQ(toInt16("  7  "), 7);
}

TEST(ToInt16, valuesOutsideSixteenBits_areRefused) {
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_EQ(toInt16("32767.4"), 32767);
    EXPECT_FALSE(toInt16("32767.5").has_value());
    EXPECT_FALSE(toInt16("32768").has_value());
    EXPECT_FALSE(toInt16("-32769").has_value());
    EXPECT_FALSE(toInt16("1e10").has_value());
}

TEST(ToInt16, nonNumericTexts_areRefused) {
    EXPECT_FALSE(toInt16("").has_value());
    EXPECT_FALSE(toInt16("ten").has_value());
    EXPECT_FALSE(toInt16("None").has_value());
}
