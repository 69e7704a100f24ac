#include "vmodem/VirtualModem.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

using namespace quillan;

namespace {

class VirtualModemTest : public ::testing::Test {
  protected:
    VirtualModemTest() { script.timings = ModemTimings{0.0, 0.0, 0.05}; }
    // What the modem says to a line typed at it, once its timers due by then have run.
    std::string say(const std::string& bytes, int settleMs = 0) {
        heard.clear();
        modem.received(bytes);
        loop.runUntil([] { return false; }, settleMs);
        loop.runOnce(0);
        return heard;
    }

    PollEventLoop loop;
    ModemScript script;
    std::string heard;
    VirtualModem modem{loop, script, [this](std::string_view bytes) { heard += bytes; }};
};

} // namespace

TEST_F(VirtualModemTest, commandsAreEchoedAndAnsweredOk) {
    EXPECT_EQ(say("AT\r"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(say("ATE0\r"), "ATE0\r\r\nOK\r\n");
    EXPECT_EQ(say("at\r"), "\r\nOK\r\n");
}

TEST_F(VirtualModemTest, chainedCommandsGiveOneResult) {
    EXPECT_EQ(say("ATE0V1Q0&C1&D2S0=0L1M1X4\r"), "ATE0V1Q0&C1&D2S0=0L1M1X4\r\r\nOK\r\n");
}

TEST_F(VirtualModemTest, unknownCommandsGiveError) {
    say("ATE0\r");
    EXPECT_EQ(say("ATJ\r"), "\r\nERROR\r\n");
    EXPECT_EQ(say("AT&\r"), "\r\nERROR\r\n");
    EXPECT_EQ(say("ATS7\r"), "\r\nERROR\r\n");
    EXPECT_EQ(say("hello\r"), "");
}

TEST_F(VirtualModemTest, identityAndRegistersAreAnswered) {
    say("ATE0\r");
    EXPECT_EQ(say("ATI\r"), "\r\nQuillan virtual modem\r\n\r\nOK\r\n");
    EXPECT_EQ(say("ATS0?\r"), "\r\n000\r\n\r\nOK\r\n");
}

TEST_F(VirtualModemTest, numericAndQuietResultsFollowVAndQ) {
    say("ATE0\r");
    EXPECT_EQ(say("ATV0\r"), "0\r");
    EXPECT_EQ(say("ATJ\r"), "4\r");
    say("ATQ1\r");
    EXPECT_EQ(say("AT\r"), "");
    say("ATZ\r");
    EXPECT_EQ(say("AT\r"), "AT\r\r\nOK\r\n");
}

TEST_F(VirtualModemTest, factoryDefaultsTurnEchoBackOn) {
    say("ATE0V0\r");
    EXPECT_EQ(say("AT&F\r"), "\r\nOK\r\n");
    EXPECT_EQ(say("AT\r"), "AT\r\r\nOK\r\n");
}

TEST_F(VirtualModemTest, scriptedOutcomesAnswerTheDial) {
    ASSERT_EQ(script.addLine("5550100 = BUSY, NO DIALTONE, NO ANSWER, NO CARRIER, CONNECT 28800"), "");
    say("ATE0\r");
    EXPECT_EQ(say("ATDT5550100\r"), "\r\nBUSY\r\n");
    EXPECT_EQ(say("ATDT5550100\r"), "\r\nNO DIALTONE\r\n");
    EXPECT_EQ(say("ATDP5550100\r"), "\r\nNO ANSWER\r\n");
    EXPECT_EQ(say("ATD5550100\r"), "\r\nNO CARRIER\r\n");
    EXPECT_EQ(say("ATDT5550100\r"), "\r\nCONNECT 28800\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Online);
}

TEST_F(VirtualModemTest, dataIsSwallowedAndTheEscapeNeedsItsGuardTime) {
    script.timings.guardSeconds = 0.3; // room for a busy machine between the connect and the +++
    say("ATE0\r");
    say("ATDT1\r");
    EXPECT_EQ(say("+++", 20), "");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Online)
        << "+++ right after the connect lacks the silence before it";
    EXPECT_EQ(say("AT\rdata", 350), "");
    EXPECT_EQ(say("+++", 400), "\r\nOK\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::OnlineCommand);
    EXPECT_EQ(say("ATO\r"), "\r\nCONNECT 33600\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Online);
}

TEST_F(VirtualModemTest, dataRightAfterTheEscapeCancelsIt) {
    say("ATE0\r");
    say("ATDT1\r", 60);
    say("+++x", 100);
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Online);
}

TEST_F(VirtualModemTest, hangingUpFromOnlineCommandModeEndsTheCall) {
    say("ATE0\r");
    say("ATDT1\r", 60);
    say("+++", 100);
    EXPECT_EQ(say("ATH\r"), "\r\nOK\r\n");
    EXPECT_EQ(say("ATO\r"), "\r\nNO CARRIER\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Command);
}

TEST_F(VirtualModemTest, theCarrierDropsWhenTheScriptSaysSo) {
    ASSERT_EQ(script.addLine("9 = CONNECT 9600 DROP 0.05"), "");
    say("ATE0\r");
    EXPECT_EQ(say("ATDT9\r"), "\r\nCONNECT 9600\r\n");
    EXPECT_EQ(say("", 100), "\r\nNO CARRIER\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Command);
}

TEST_F(VirtualModemTest, aKeyPressAbortsADial) {
    script.timings.dialSeconds = 10;
    say("ATE0\r");
    EXPECT_EQ(say("ATDT1\r"), "");
    EXPECT_EQ(say("x"), "\r\nNO CARRIER\r\n");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Command);
}

TEST_F(VirtualModemTest, droppingTheLineEndsACallSilently) {
    ASSERT_EQ(script.addLine("9 = CONNECT 9600 DROP 0.05"), "");
    say("ATDT9\r");
    heard.clear();
    modem.lineDropped();
    loop.runUntil([] { return false; }, 80);
    EXPECT_EQ(heard, "");
    EXPECT_EQ(modem.mode(), VirtualModem::Mode::Command);
}

TEST_F(VirtualModemTest, aMuteModemSaysNothing) {
    script.mute = true;
    EXPECT_EQ(say("AT\r"), "");
    EXPECT_EQ(say("ATDT1\r", 10), "");
}

TEST_F(VirtualModemTest, repliesWaitForTheReplyDelay) {
    script.timings.replySeconds = 0.05;
    say("ATE0\r", 80);
    EXPECT_EQ(say("AT\r"), "");
    EXPECT_EQ(say("", 80), "\r\nOK\r\n");
}
