#include "DialerFixture.h"

#include <algorithm>
#include <cctype>

using namespace quillan;
using quillan::test::DialerFixture;

namespace {

using States = std::vector<std::int16_t>;

bool failsAfterFirstCharacter(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    size_t at = text.find("fails");
    return at != std::string::npos && at > 0;
}

class DialingTest : public DialerFixture {};

} // namespace

TEST_F(DialingTest, aCleanDialReportsEachStateUpToConnected) {
    makeDialer(onModem("Work", "555-0100"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, kStateConnected}));
    EXPECT_EQ(seen[0].text, "Opening port " + modem->linePath());
    EXPECT_EQ(seen[2].text, "Dialing 5550100");
    EXPECT_EQ(seen[3].text, "Modem connected at 33600 bps");
    EXPECT_EQ(lastText(), "Connected");
    EXPECT_TRUE(dialer->IsConnected());
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Online);
}

TEST_F(DialingTest, noTextOfAConnectedCallTripsTheFailsTest) {
    ASSERT_EQ(script.addLine("55501 = CONNECT 999"), "");
    makeDialer(onModem("Fails Inc", "55501"));
    ASSERT_TRUE(dial("Fails Inc"));
    ASSERT_EQ(seen.back().state, kStateConnected);
    EXPECT_FALSE(failsAfterFirstCharacter(lastText())) << lastText();
}

TEST_F(DialingTest, progressNeverArrivesInsideDial) {
    makeDialer(onModem("Work", "1"));
    dialer->setEntryName("Work");
    dialer->LoadEntry();
    dialer->Dial();
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(waitForEnd());
}

TEST_F(DialingTest, eachRefusedCallEndsDisconnectedWithItsReasonInPlainWords) {
    ASSERT_EQ(script.addText("1 = BUSY\n2 = NO DIALTONE\n3 = NO ANSWER\n4 = NO CARRIER\n"), "");
    makeDialer(onModem("Busy", "1") + onModem("Dead", "2") + onModem("Away", "3") + onModem("Noise", "4"));
    const std::pair<const char*, const char*> cases[] = {{"Busy", "Disconnected: the line is busy"},
                                                         {"Dead", "Disconnected: no dial tone"},
                                                         {"Away", "Disconnected: no answer"},
                                                         {"Noise", "Disconnected: no carrier"}};
    for (auto [entry, text] : cases) {
        ASSERT_TRUE(dial(entry)) << entry;
        EXPECT_EQ(states(), (States{0, 1, 2, kStateDisconnected})) << entry;
        EXPECT_EQ(lastText(), text);
        EXPECT_FALSE(dialer->IsConnected()) << entry;
        dialer->HangUp(); // as the program does before it redials
    }
}

TEST_F(DialingTest, aRedialWalksToAnAlternateNumberThatAnswers) {
    ASSERT_EQ(script.addLine("5550100 = BUSY"), "");
    makeDialer(onModem("Work", "5550100"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(lastText(), "Disconnected: the line is busy");
    dialer->HangUp();
    dialer->setEntryName("");
    dialer->setPhoneNumber("5550111");
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(seen[2].text, "Dialing 5550111");
    EXPECT_EQ(seen.back().state, kStateConnected);
}

TEST_F(DialingTest, theSameNumberFollowsItsScriptOnSuccessiveDials) {
    ASSERT_EQ(script.addLine("5550100 = BUSY, NO ANSWER, CONNECT 28800"), "");
    makeDialer(onModem("Work", "5550100"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(lastText(), "Disconnected: the line is busy");
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(lastText(), "Disconnected: no answer");
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(seen[3].text, "Modem connected at 28800 bps");
    EXPECT_EQ(seen.back().state, kStateConnected);
}

TEST_F(DialingTest, aModemThatNeverAnswersIsReportedNotResponding) {
    script.mute = true;
    options.timeouts.commandMs = 50;
    makeDialer(onModem("Work", "1"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: the modem is not responding");
}

TEST_F(DialingTest, aDialWithoutResultTimesOut) {
    ASSERT_EQ(script.addLine("5 = SILENCE"), "");
    options.timeouts.dialMs = 100;
    makeDialer(onModem("Work", "5"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: no answer in time");
    runFor(50);
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command) << "the failed attempt must free the line";
}

TEST_F(DialingTest, hangingUpWhileDialingEndsEveryReportAndFreesTheLine) {
    script.timings.dialSeconds = 30;
    makeDialer(onModem("Work", "1"));
    dialer->setEntryName("Work");
    dialer->LoadEntry();
    dialer->Dial();
    ASSERT_TRUE(loop.runUntil([this] { return !seen.empty() && seen.back().state == 2; }, 5000));
    dialer->HangUp();
    size_t reports = seen.size();
    runFor(100);
    EXPECT_EQ(seen.size(), reports);
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command);
    EXPECT_FALSE(dialer->IsConnected());
    script.timings.dialSeconds = 0;
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(seen.back().state, kStateConnected);
}

TEST_F(DialingTest, hangingUpBeforeTheDialBeginsReportsNothing) {
    makeDialer(onModem("Work", "1"));
    dialer->setEntryName("Work");
    dialer->LoadEntry();
    dialer->Dial();
    dialer->HangUp();
    runFor(100);
    EXPECT_TRUE(seen.empty());
}

TEST_F(DialingTest, hangingUpWhenIdleIsHarmless) {
    makeDialer(onModem("Work", "1"));
    dialer->HangUp();
    dialer->HangUp();
    runFor(20);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(dialer->IsConnected());
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(seen.back().state, kStateConnected);
}

TEST_F(DialingTest, aHandlerThatHangsUpStopsTheReportsOfThatCall) {
    makeDialer(onModem("Work", "1"));
    dialer->Progress = [this](std::int16_t state) {
        seen.push_back({state, dialer->StatusText()});
        if (state == 3)
            dialer->HangUp();
    };
    dialer->setEntryName("Work");
    dialer->LoadEntry();
    dialer->Dial();
    runFor(300);
    EXPECT_EQ(states(), (States{0, 1, 2, 3}));
    EXPECT_FALSE(dialer->IsConnected());
}

TEST_F(DialingTest, hangingUpAConnectedCallDropsItsCarrier) {
    makeDialer(onModem("Work", "1"));
    ASSERT_TRUE(dial("Work"));
    ASSERT_TRUE(dialer->IsConnected());
    dialer->HangUp();
    EXPECT_FALSE(dialer->IsConnected());
    runFor(50);
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command);
}

TEST_F(DialingTest, aLineThatDropsAfterTheConnectionRaisesNoProgress) {
    ASSERT_EQ(script.addLine("9 = CONNECT 9600 DROP 0.1"), "");
    makeDialer(onModem("Work", "9"));
    ASSERT_TRUE(dial("Work"));
    ASSERT_EQ(seen.back().state, kStateConnected);
    EXPECT_TRUE(dialer->IsConnected());
    ASSERT_TRUE(loop.runUntil([this] { return !dialer->IsConnected(); }, 3000));
    runFor(100);
    EXPECT_EQ(seen.back().state, kStateConnected);
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(dialer->StatusText(), "Connected");
    ASSERT_TRUE(dial("Work")) << "a dropped line can be dialled again";
    EXPECT_EQ(seen.back().state, kStateConnected);
}

TEST_F(DialingTest, aNewDialReplacesTheCallBeforeIt) {
    script.timings.dialSeconds = 30;
    makeDialer(onModem("Slow", "1") + onModem("Fast", "2"));
    dialer->setEntryName("Slow");
    dialer->LoadEntry();
    dialer->Dial();
    ASSERT_TRUE(loop.runUntil([this] { return !seen.empty() && seen.back().state == 2; }, 5000));
    script.timings.dialSeconds = 0;
    ASSERT_TRUE(dial("Fast"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, kStateConnected}));
    EXPECT_EQ(seen[2].text, "Dialing 2");
}

TEST_F(DialingTest, theEntrysInitCommandsReachTheModem) {
    makeDialer(onModem("Good", "1", "PPP=no\nInit=ATM0L1\n") + onModem("Bad", "1", "PPP=no\nInit=ATJ9\n"));
    ASSERT_TRUE(dial("Good"));
    EXPECT_EQ(seen.back().state, kStateConnected);
    dialer->HangUp();
    ASSERT_TRUE(dial("Bad"));
    EXPECT_EQ(lastText(), "Disconnected: the modem rejected a command");
}

TEST_F(DialingTest, aMissingDeviceEndsTheDialBeforeItStarts) {
    makeDialer("[Gone]\nPhoneNumber=1\nDevice=" + (folder.path() / "ttyNone").string() + "\n");
    ASSERT_TRUE(dial("Gone"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: there is no modem at " + (folder.path() / "ttyNone").string() +
                              ": check that it is plugged in and that the entry names it");
}

TEST_F(DialingTest, aFileThatIsNoSerialLineIsRefused) {
    folder.write("plain", "");
    makeDialer("[Plain]\nPhoneNumber=1\nDevice=" + (folder.path() / "plain").string() + "\n");
    ASSERT_TRUE(dial("Plain"));
    EXPECT_EQ(states(), (States{0, kStateDisconnected}));
    EXPECT_NE(lastText().find("is not a serial line"), std::string::npos) << lastText();
}

TEST_F(DialingTest, unusableEntriesAndNumbersEndTheDialWithoutTouchingTheLine) {
    makeDialer(onModem("Work", "1") + "[Nowhere]\nPhoneNumber=1\n");
    ASSERT_TRUE(dial("Nobody"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: there is no phonebook entry called Nobody");
    ASSERT_TRUE(dial("Nowhere"));
    EXPECT_EQ(lastText(), "Disconnected: the entry names no modem device");
    dialer->setPhoneNumber("");
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(lastText(), "Disconnected: there is no phone number to dial");
}

TEST_F(DialingTest, aNumberCarryingModemCommandsIsNeverSent) {
    makeDialer(onModem("Work", "1"));
    dialer->setPhoneNumber("555;H\rAT&F");
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: the phone number holds characters a modem cannot dial");
}

TEST_F(DialingTest, isConnectedSpeaksOnlyForTheEntryOfTheCall) {
    makeDialer(onModem("Work", "1") + onModem("Home", "2"));
    ASSERT_TRUE(dial("Work"));
    dialer->setEntryName("Home");
    EXPECT_FALSE(dialer->IsConnected());
    dialer->setEntryName("Work");
    EXPECT_TRUE(dialer->IsConnected());
}

TEST_F(DialingTest, theNumberDialedIsTheOneWrittenUntilLoadEntryElseTheEntrysOwn) {
    ASSERT_EQ(script.addLine("5550100 = BUSY"), "");
    makeDialer(onModem("Work", "5550100") + onModem("Home", "5550200"));
    // Start-up's auto-dial and a redial with alternates off name the entry only.
    dialer->setEntryName("Home");
    EXPECT_EQ(dialer->PhoneNumber(), "5550200");
    ASSERT_TRUE(dialAgain("Home"));
    EXPECT_EQ(seen.at(2).text, "Dialing 5550200");
    EXPECT_EQ(seen.back().state, kStateConnected);
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(lastText(), "Disconnected: the line is busy");
    // A written number outlives a change of entry and is dialed again until LoadEntry.
    dialer->setEntryName("");
    dialer->setPhoneNumber("5550111");
    ASSERT_TRUE(dialAgain("Work"));
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(seen.at(2).text, "Dialing 5550111");
    dialer->LoadEntry();
    EXPECT_EQ(dialer->PhoneNumber(), "5550100");
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(lastText(), "Disconnected: the line is busy");
}
