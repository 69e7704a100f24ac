#include "Transcript.h"
#include "LineDiff.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace quillan;
using testing::ElementsAre;

TEST(TranscriptTest, commandsAndOutput_formOneRunWithTheirLineNumbers) {
    const Transcript t = Transcript::parse("# title\n\n> start\nok\n> get frmStart visible\ntrue\nok\n");
    ASSERT_EQ(t.runs().size(), 1u);
    const auto& run = t.runs()[0];
    EXPECT_THAT(run.commands, ElementsAre("start", "get frmStart visible"));
    ASSERT_EQ(run.expected.size(), 5u);
    EXPECT_EQ(run.expected[0].text, "> start");
    EXPECT_EQ(run.expected[0].number, 3);
    EXPECT_EQ(run.expected[4].number, 7);
}

TEST(TranscriptTest, fileBlocks_keepHashAndBlankLinesAndChooseTheirLineEnds) {
    const Transcript t = Transcript::parse(
        "@file MSVCT32.dll\n##Connection Profile##\n\n@end\n@file-lf a.txt\nx\n@end\n> start\nok\n");
    const auto& files = t.runs()[0].files;
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "MSVCT32.dll");
    EXPECT_EQ(files[0].content(), "##Connection Profile##\r\n\r\n");
    EXPECT_EQ(files[1].content(), "x\n");
}

TEST(TranscriptTest, restart_beginsANewRunWithItsOwnClockAndFiles) {
    const Transcript t =
        Transcript::parse("> start\nok\n@restart\n@clock 2026-02-01 00:00:00\n@file f\n1\n@end\n"
                          "> start\nok\n");
    ASSERT_EQ(t.runs().size(), 2u);
    EXPECT_FALSE(t.runs()[0].clock);
    EXPECT_EQ(t.runs()[1].clock, "2026-02-01 00:00:00");
    EXPECT_EQ(t.runs()[1].files.size(), 1u);
}

TEST(TranscriptTest, malformedTranscripts_areRefusedNamingTheLine) {
    EXPECT_THROW(Transcript::parse("ok\n"), std::runtime_error);
    EXPECT_THROW(Transcript::parse("@file f\nno end\n"), std::runtime_error);
    EXPECT_THROW(Transcript::parse("> start\nok\n@clock 2026-01-01 00:00:00\n"), std::runtime_error);
    EXPECT_THROW(Transcript::parse("> start\n@restart\n"), std::runtime_error);
    EXPECT_THROW(Transcript::parse("@bogus\n> start\n"), std::runtime_error);
    try {
        Transcript::parse("> a\nok\n@clock now\n");
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("line 3"));
    }
}

TEST(LineDiffTest, equalLists_areAllSame) {
    const auto edits = LineDiff::between({"a", "b"}, {"a", "b"});
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].kind, LineDiff::Kind::Same);
    EXPECT_EQ(edits[1].kind, LineDiff::Kind::Same);
}

TEST(LineDiffTest, aChangedLine_isRemovedThenAddedWithContextAndItsLabel) {
    const std::vector<std::string> before = {"> start", "ok", "> boxes", "box none", "ok", "> quit", "ok"};
    const std::vector<std::string> after = {"> start", "ok", "> boxes", "box critical", "ok", "> quit", "ok"};
    const auto edits = LineDiff::between(before, after);
    const std::string text =
        LineDiff::format(before, after, edits, 1, [](size_t i) { return "line " + std::to_string(i + 10); });
    EXPECT_EQ(text, "@@ line 12 @@\n  > boxes\n- box none\n+ box critical\n  ok\n");
}

TEST(LineDiffTest, missingAndExtraLines_areShownAtTheirPlace) {
    const auto edits = LineDiff::between({"a", "b", "c"}, {"a", "c", "d"});
    std::string kinds;
    for (const auto& edit : edits)
        kinds += edit.kind == LineDiff::Kind::Same ? '=' : edit.kind == LineDiff::Kind::Removed ? '-' : '+';
    EXPECT_EQ(kinds, "=-=+");
}
