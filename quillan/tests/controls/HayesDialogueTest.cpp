#include "controls/HayesDialogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace quillan;

namespace {

// Records what the dialogue asks of the line and of the caller.
class RecordingSink : public HayesDialogue::Sink {
  public:
    void sendToModem(std::string_view bytes) override { sent.emplace_back(bytes); }
    void armTimeout(int ms) override { timeout = ms; }
    void cancelTimeout() override { timeout.reset(); }
    void dialing() override { dialingReported = true; }
    void modemConnected(const std::string& speed) override { connectedAt = speed; }
    void dialFailed(DialFailure why) override { failure = why; }
    void carrierLost() override { carrierWasLost = true; }

    std::vector<std::string> sent;
    std::optional<int> timeout;
    bool dialingReported = false;
    std::optional<std::string> connectedAt;
    std::optional<DialFailure> failure;
    bool carrierWasLost = false;
};

class HayesDialogueTest : public ::testing::Test {
  protected:
    void startWith(DialPlan plan) {
        dialogue.emplace(sink, plan);
        dialogue->start();
    }
    // Answers OK to the reset and to the settings, so the number is being dialled.
    void reachDialing(const std::string& init = "") {
        startWith(DialPlan{init, "5550100", 3000, 60000});
        dialogue->feed("ATZ\r\r\nOK\r\n");
        dialogue->feed("\r\nOK\r\n");
        if (!init.empty())
            dialogue->feed("\r\nOK\r\n");
    }

    RecordingSink sink;
    std::optional<HayesDialogue> dialogue;
};

} // namespace

TEST_F(HayesDialogueTest, aCleanDialResetsConfiguresDialsAndConnects) {
    reachDialing();
    EXPECT_EQ(sink.sent, (std::vector<std::string>{"ATZ\r", "ATE0V1Q0\r", "ATDT5550100\r"}));
    EXPECT_TRUE(sink.dialingReported);
    EXPECT_EQ(sink.timeout, 60000);
    dialogue->feed("\r\nCONNECT 33600/ARQ\r\n");
    EXPECT_EQ(sink.connectedAt, "33600");
    EXPECT_FALSE(sink.timeout);
    EXPECT_EQ(dialogue->phase(), HayesDialogue::Phase::Online);
}

TEST_F(HayesDialogueTest, repliesSplitAcrossReadsAreJoined) {
    reachDialing();
    dialogue->feed("\r\nCONN");
    EXPECT_FALSE(sink.connectedAt);
    dialogue->feed("ECT 2400\r");
    EXPECT_EQ(sink.connectedAt, "2400");
}

TEST_F(HayesDialogueTest, theEntrysInitCommandsGoBeforeTheDialWithOrWithoutTheirAt) {
    reachDialing("M0L1");
    EXPECT_EQ(sink.sent, (std::vector<std::string>{"ATZ\r", "ATE0V1Q0\r", "ATM0L1\r", "ATDT5550100\r"}));
    sink.sent.clear();
    reachDialing("AT&C1");
    EXPECT_EQ(sink.sent[2], "AT&C1\r");
}

TEST_F(HayesDialogueTest, aNumberWithItsOwnDialModeIsNotGivenTone) {
    startWith(DialPlan{"", "P123", 3000, 60000});
    dialogue->feed("OK\rOK\r");
    EXPECT_EQ(sink.sent.back(), "ATDP123\r");
}

TEST_F(HayesDialogueTest, eachFailureResultIsReportedAsItsOwnReason) {
    const std::pair<const char*, DialFailure> cases[] = {
        {"BUSY", DialFailure::Busy},
        {"NO DIALTONE", DialFailure::NoDialTone},
        {"NO DIAL TONE", DialFailure::NoDialTone},
        {"NO ANSWER", DialFailure::NoAnswer},
        {"NO CARRIER", DialFailure::NoCarrier},
        {"ERROR", DialFailure::CommandRejected},
        {"7", DialFailure::Busy},
        {"3", DialFailure::NoCarrier},
    };
    for (auto [reply, failure] : cases) {
        sink = RecordingSink();
        reachDialing();
        dialogue->feed(std::string("\r\n") + reply + "\r\n");
        EXPECT_EQ(sink.failure, failure) << reply;
        EXPECT_EQ(dialogue->phase(), HayesDialogue::Phase::Ended) << reply;
        EXPECT_FALSE(sink.timeout) << reply;
    }
}

TEST_F(HayesDialogueTest, progressLinesWhileDialingAreIgnored) {
    reachDialing();
    dialogue->feed("RINGING\r\nRING\r\nCARRIER 28800\r\nPROTOCOL: LAP-M\r\n");
    EXPECT_FALSE(sink.failure);
    EXPECT_FALSE(sink.connectedAt);
}

TEST_F(HayesDialogueTest, aSilentModemIsProbedThreeTimesThenGivenUp) {
    startWith(DialPlan{"", "1", 100, 1000});
    dialogue->timedOut();
    dialogue->timedOut();
    EXPECT_FALSE(sink.failure);
    dialogue->timedOut();
    EXPECT_EQ(sink.sent, (std::vector<std::string>{"ATZ\r", "ATZ\r", "ATZ\r"}));
    EXPECT_EQ(sink.failure, DialFailure::NotResponding);
}

TEST_F(HayesDialogueTest, aModemThatStopsAnsweringMidwayIsNotResponding) {
    startWith(DialPlan{"", "1", 100, 1000});
    dialogue->feed("OK\r");
    dialogue->timedOut();
    EXPECT_EQ(sink.failure, DialFailure::NotResponding);
}

TEST_F(HayesDialogueTest, aDialWithoutResultEndsAsUnansweredInTime) {
    reachDialing();
    dialogue->timedOut();
    EXPECT_EQ(sink.failure, DialFailure::NotAnsweredInTime);
}

TEST_F(HayesDialogueTest, echoedCommandsAreNotTakenForReplies) {
    startWith(DialPlan{"", "5550100", 3000, 60000});
    dialogue->feed("ATZ\r");
    EXPECT_EQ(sink.sent.size(), 1u);
    dialogue->feed("\r\nOK\r\nATE0V1Q0\r\r\nOK\r\n");
    EXPECT_EQ(sink.sent.back(), "ATDT5550100\r");
}

TEST_F(HayesDialogueTest, noCarrierAfterTheConnectionIsTheCarrierLost) {
    reachDialing();
    dialogue->feed("CONNECT\r\n");
    EXPECT_EQ(sink.connectedAt, "");
    dialogue->feed("some data\r\nNO CARRIER\r\n");
    EXPECT_TRUE(sink.carrierWasLost);
    EXPECT_FALSE(sink.failure);
}

TEST_F(HayesDialogueTest, nothingHappensAfterTheDialogueHasEnded) {
    reachDialing();
    dialogue->feed("BUSY\r\n");
    size_t sent = sink.sent.size();
    dialogue->feed("CONNECT 9600\r\n");
    dialogue->timedOut();
    EXPECT_FALSE(sink.connectedAt);
    EXPECT_EQ(sink.sent.size(), sent);
}

TEST_F(HayesDialogueTest, endlessLinesDoNotHideTheNextReply) {
    reachDialing();
    dialogue->feed(std::string(100000, 'x'));
    dialogue->feed("\r\nBUSY\r\n");
    EXPECT_EQ(sink.failure, DialFailure::Busy);
}

TEST_F(HayesDialogueTest, anOverlongLineEndingInAReplyIsNotThatReply) {
    startWith(DialPlan{"", "5550100", 3000, 60000});
    dialogue->feed(std::string(300, 'x') + "OK\r\n");
    EXPECT_EQ(dialogue->phase(), HayesDialogue::Phase::Probing);
    EXPECT_EQ(sink.sent.size(), 1u);
}
