#include "controls/LineReader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace quillan;

namespace {

struct Case {
    const char* what;
    LineReader::Limits limits;
    std::vector<std::string> reads;
    bool closes;                    // the peer closes after the reads
    std::vector<std::string> lines; // a cut line is written with a trailing '~'
    bool full;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.what << '"';
}

std::vector<std::string> readAll(const Case& c, bool& full) {
    LineReader reader(c.limits);
    std::vector<std::string> lines;
    auto collect = [&](const LineReader::Line& line) {
        lines.push_back(std::string(line.text) + (line.cut ? "~" : ""));
    };
    for (const std::string& bytes : c.reads)
        reader.feed(bytes, collect);
    if (c.closes)
        reader.finish(collect);
    full = reader.full();
    return lines;
}

class LineReaderTest : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(LineReaderTest, splitsAsThePeerMeant) {
    const Case& c = GetParam();
    bool full = false;
    EXPECT_EQ(readAll(c, full), c.lines) << c.what;
    EXPECT_EQ(full, c.full) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LineReaderTest,
    ::testing::Values(
        Case{"each ending", {}, {"a\r\nb\nc\rd\r\n"}, false, {"a", "b", "c", "d"}, false},
        Case{"CR LF split across reads", {}, {"a\r", "\nb\r", "\n"}, false, {"a", "b"}, false},
        Case{"empty lines are lines", {}, {"\r\n\r\na\n\n"}, false, {"", "", "a", ""}, false},
        Case{"an unended line waits", {}, {"abc"}, false, {}, false},
        Case{"an unended line at close", {}, {"a\nbc"}, true, {"a", "bc"}, false},
        Case{"a long line is cut and marked",
             {.lineBytes = 3},
             {"abcdef\r\nxy\n"},
             false,
             {"abc~", "xy"},
             false},
        Case{"a cut line ends where its end comes",
             {.lineBytes = 2},
             {"abc", "de", "fOK\r\nOK\r\n"},
             false,
             {"ab~", "OK"},
             false},
        Case{"the answer's byte bound", {.answerBytes = 6}, {"ab\ncd\nef\ngh\n"}, true, {"ab", "cd"}, true},
        Case{"the answer's line bound", {.answerLines = 2}, {"a\nb\nc\n"}, true, {"a", "b"}, true}));
