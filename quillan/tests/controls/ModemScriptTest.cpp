#include "vmodem/ModemScript.h"

#include <gtest/gtest.h>

using namespace quillan;
using Kind = ModemOutcome::Kind;

TEST(ModemScriptRules, successiveDialsTakeSuccessiveOutcomesAndTheLastRepeats) {
    ModemScript script;
    ASSERT_EQ(script.addLine("5550100 = BUSY, NO CARRIER, CONNECT 28800"), "");
    EXPECT_EQ(script.nextOutcome("5550100").kind, Kind::Busy);
    EXPECT_EQ(script.nextOutcome("5550100").kind, Kind::NoCarrier);
    ModemOutcome third = script.nextOutcome("5550100");
    EXPECT_EQ(third.kind, Kind::Connect);
    EXPECT_EQ(third.speed, 28800);
    EXPECT_EQ(script.nextOutcome("5550100").kind, Kind::Connect);
}

TEST(ModemScriptRules, numbersMatchByTheirDigitsWhateverTheLayoutOrDialMode) {
    ModemScript script;
    ASSERT_EQ(script.addLine("(555) 01-00 = NO ANSWER"), "");
    EXPECT_EQ(script.nextOutcome("T5550100").kind, Kind::NoAnswer);
    EXPECT_EQ(script.nextOutcome("555-0100").kind, Kind::NoAnswer);
}

TEST(ModemScriptRules, numbersWithoutARuleConnectAtTheScriptsSpeed) {
    ModemScript script;
    ASSERT_EQ(script.addText("speed 14400\n1 = CONNECT\n"), "");
    ModemOutcome other = script.nextOutcome("999");
    EXPECT_EQ(other.kind, Kind::Connect);
    EXPECT_EQ(other.speed, 14400);
    EXPECT_EQ(script.nextOutcome("1").speed, 14400);
}

TEST(ModemScriptRules, anEmptyNumberFindsNoCarrier) {
    ModemScript script;
    EXPECT_EQ(script.nextOutcome("T").kind, Kind::NoCarrier);
}

TEST(ModemScriptRules, connectCanDropTheCarrierAfterSomeSeconds) {
    ModemScript script;
    ASSERT_EQ(script.addLine("42 = connect 33600 drop 0.5"), "");
    ModemOutcome outcome = script.nextOutcome("42");
    EXPECT_EQ(outcome.speed, 33600);
    ASSERT_TRUE(outcome.dropAfterSeconds);
    EXPECT_DOUBLE_EQ(*outcome.dropAfterSeconds, 0.5);
    ASSERT_EQ(script.addLine("43 = CONNECT DROP 2"), "");
    EXPECT_DOUBLE_EQ(*script.nextOutcome("43").dropAfterSeconds, 2.0);
}

TEST(ModemScriptText, delaysSilenceMuteAndCommentsAreRead) {
    ModemScript script;
    ASSERT_EQ(script.addText("# demo\r\ndelay dial 2.5\r\ndelay reply 0.1 # slow\r\ndelay guard 0\r\n"
                             "7 = SILENCE\r\n\r\nmute\r\n"),
              "");
    EXPECT_DOUBLE_EQ(script.timings.dialSeconds, 2.5);
    EXPECT_DOUBLE_EQ(script.timings.replySeconds, 0.1);
    EXPECT_DOUBLE_EQ(script.timings.guardSeconds, 0.0);
    EXPECT_TRUE(script.mute);
    EXPECT_EQ(script.nextOutcome("7").kind, Kind::Silence);
}

TEST(ModemScriptText, mistakesAreNamedWithTheirLine) {
    EXPECT_EQ(ModemScript().addText("delay dial 1\nfrobnicate\n"),
              "line 2: unknown instruction \"frobnicate\"");
    EXPECT_NE(ModemScript().addText("5 = CONNECT fast"), "");
    EXPECT_NE(ModemScript().addText("5 = RING"), "");
    EXPECT_NE(ModemScript().addText("= BUSY"), "");
    EXPECT_NE(ModemScript().addText("delay dial -1"), "");
    EXPECT_NE(ModemScript().addText("delay ring 1"), "");
    EXPECT_NE(ModemScript().addText("5 = CONNECT DROP"), "");
}
