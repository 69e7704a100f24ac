#include "WordParser.h"
#include "CommandError.h"

#include <gtest/gtest.h>

using quillan::CommandError;
using quillan::WordParser;
using Words = std::vector<std::string>;

TEST(WordParserTest, plainWords_splitAtBlanksAndTabs) {
    EXPECT_EQ(WordParser::split("  click \tfrmStart.cmdExit  "), (Words{"click", "frmStart.cmdExit"}));
}

TEST(WordParserTest, quotedWord_keepsItsBlanks) {
    EXPECT_EQ(WordParser::split("entry \"My ISP\" 555"), (Words{"entry", "My ISP", "555"}));
}

TEST(WordParserTest, quotedWord_unescapesQuoteBackslashCarriageReturnAndNewLine) {
    EXPECT_EQ(WordParser::split(R"(x "a\"b\\c\r\n")"), (Words{"x", "a\"b\\c\r\n"}));
}

TEST(WordParserTest, emptyQuotes_areAnEmptyWord) {
    EXPECT_EQ(WordParser::split(R"(settext f.t "")"), (Words{"settext", "f.t", ""}));
}

TEST(WordParserTest, backslashOutsideQuotes_isPlain) {
    EXPECT_EQ(WordParser::split(R"(x C:\temp\a)"), (Words{"x", R"(C:\temp\a)"}));
}

TEST(WordParserTest, trailingCarriageReturn_isABlank) {
    EXPECT_EQ(WordParser::split("quit\r"), (Words{"quit"}));
}

TEST(WordParserTest, unterminatedQuote_isRefused) {
    EXPECT_THROW(WordParser::split("x \"abc"), CommandError);
    EXPECT_THROW(WordParser::split("x \"abc\\"), CommandError);
}

TEST(WordParserTest, unknownEscape_isRefused) {
    EXPECT_THROW(WordParser::split(R"(x "\t")"), CommandError);
}

TEST(WordParserTest, textGluedToAClosingQuote_isRefused) {
    EXPECT_THROW(WordParser::split(R"(x "a"b)"), CommandError);
}

TEST(WordParserTest, blankAndCommentLines_holdNoCommand) {
    EXPECT_FALSE(WordParser::holdsCommand(""));
    EXPECT_FALSE(WordParser::holdsCommand(" \t\r"));
    EXPECT_FALSE(WordParser::holdsCommand("  # start"));
    EXPECT_TRUE(WordParser::holdsCommand("start # not a comment here"));
}
