#include "calls_Fixture.h"

#include "forms/frmTimerConsole.h"

namespace quillan {
namespace {

using DialSequenceTest = CallsTest;

TEST_F(DialSequenceTest, connectButton_setsUpTheControlInOrderAndDials) {
    console->cmdConnectDefault.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(),
              (std::vector<std::string>{"EntryName = \"Home\"", "LoadEntry", "UserName = \"alice\"",
                                        "Password = \"secret\"", "Domain = \"WORK\"", "Dial"}));
    EXPECT_EQ(m().dialing, "true");
    EXPECT_EQ(m().currentprofile, "Home");
    EXPECT_FALSE(console->cmdConnectDefault.enabled());
    EXPECT_FALSE(configDial().enabled());
    EXPECT_TRUE(console->timer.enabled());
    EXPECT_TRUE(console->cmdHangup.enabled());
    EXPECT_TRUE(console->mPopHangup.enabled());
}

TEST_F(DialSequenceTest, startingADial_clearsTheStatusList) {
    console->addStatus("old line");
    console->cmdConnectDefault.userClick();
    EXPECT_TRUE(statusLines().empty());
}

TEST_F(DialSequenceTest, progress_addsEachStatusTextAndSelectsIt) {
    console->cmdConnectDefault.userClick();
    h.dialUp.raise(0, "Opening port");
    h.dialUp.raise(2, "Dialing 5550100");
    EXPECT_EQ(statusLines(), (std::vector<std::string>{"Opening port", "Dialing 5550100"}));
    EXPECT_EQ(console->listConnectionStatus.listIndex(), 1);
    EXPECT_EQ(m().dialing, "true");
}

TEST_F(DialSequenceTest, connected_startsTheClockAndReportsTheProfile) {
    m().settings.displaytimer = "true";
    console->cmdConnectDefault.userClick();
    h.clock.advance(12);
    connect();
    EXPECT_EQ(m().connected, "true");
    EXPECT_EQ(m().dialing, "false");
    EXPECT_EQ(m().starttime, h.clock.now());
    EXPECT_EQ(statusLines().back(), "Connected to : Home");
    EXPECT_TRUE(h.forms->get<frmTimerConsole>().visible());
}

TEST_F(DialSequenceTest, connectedInTrayMode_addsTheTrayIconAndHidesTheConsole) {
    m().settings.traymode = "true";
    console->show();
    console->cmdConnectDefault.userClick();
    h.effects.take();
    connect();
    EXPECT_EQ(h.effects.take(), (std::vector<std::string>{"tray add \"Quillan\"", "hide frmStart"}));
}

TEST_F(DialSequenceTest, connectedInTrayModeWithoutATray_minimisesTheConsoleInstead) {
    m().settings.traymode = "true";
    h.tray.missing = true;
    console->show();
    console->cmdConnectDefault.userClick();
    connect();
    EXPECT_EQ(console->windowState(), WindowState::Minimized);
    EXPECT_TRUE(console->visible());
    EXPECT_EQ(h.boxes.take().size(), 1u);
    EXPECT_EQ(statusLines().back(), "Connected to : Home");
}

TEST_F(DialSequenceTest, connectedInMinimiseMode_minimisesTheConsole) {
    m().settings.minimizemode = "true";
    console->cmdConnectDefault.userClick();
    connect();
    EXPECT_EQ(console->windowState(), WindowState::Minimized);
}

TEST_F(DialSequenceTest, connectedLineWithFailsAfterItsFirstCharacter_runsNoConnectedAction) {
    console->cmdConnectDefault.userClick();
    h.dialUp.raise(kStateConnected, "Authentication FAILS");
    EXPECT_EQ(m().connected, "false");
    EXPECT_EQ(m().dialing, "true");
    EXPECT_EQ(statusLines().back(), "Authentication FAILS");
}

TEST_F(DialSequenceTest, connectedLineBeginningWithFails_stillConnects) {
    console->cmdConnectDefault.userClick();
    h.dialUp.raise(kStateConnected, "fails were retried, connected");
    EXPECT_EQ(m().connected, "true");
}

TEST_F(DialSequenceTest, failureWithRedialTillConnected_hangsUpAndWaits) {
    console->cmdConnectDefault.userClick();
    forget();
    fail();
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_TRUE(ras->timerredial.enabled());
    EXPECT_EQ(statusLines(), (std::vector<std::string>{"Disconnected: line busy", "Connection fails... ",
                                                       "Redialing till connected"}));
    EXPECT_EQ(m().dialing, "true");
}

TEST_F(DialSequenceTest, redialGoesOutOnTheSeventhTick) {
    console->cmdConnectDefault.userClick();
    fail();
    forget();
    redialTicks(6);
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    redialTicks(1);
    EXPECT_EQ(h.dialUp.takeCalls(), (std::vector<std::string>{"EntryName = \"Home\"", "UserName = \"alice\"",
                                                              "Password = \"secret\"", "Domain = \"WORK\"",
                                                              "EntryName = \"Home\"", "Dial"}));
    EXPECT_FALSE(ras->timerredial.enabled());
    EXPECT_EQ(ras->tickCount(), 0);
}

TEST_F(DialSequenceTest, redialNTimesWithThree_redialsThreeTimesThenStopsAtTheLimitOneSecondLater) {
    redialTimes(3);
    console->cmdConnectDefault.userClick();
    forget();
    int redials = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        fail();
        EXPECT_EQ(statusLines().back(), "Redialing for 3 times");
        redialTicks(7);
        redials += static_cast<int>(dialledNumbers().size());
    }
    EXPECT_EQ(redials, 3);
    EXPECT_TRUE(boxTexts().empty());
    fail();
    redialTicks(1);
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Redial limit of 3 times reached");
    EXPECT_EQ(boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes[0].title, "Quillan");
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Redial attempts terminated"});
    EXPECT_FALSE(ras->timerredial.enabled());
    EXPECT_FALSE(console->timer.enabled());
    EXPECT_FALSE(console->cmdHangup.enabled());
    EXPECT_FALSE(console->mPopHangup.enabled());
    EXPECT_TRUE(console->cmdConnectDefault.enabled());
    EXPECT_TRUE(configDial().enabled());
    EXPECT_EQ(m().currentprofile, "");
    EXPECT_EQ(m().dialing, "false");
    EXPECT_EQ(h.effects.take().back(), "tray modify \"Quillan\"");
    redialTicks(10);
    EXPECT_TRUE(dialledNumbers().empty());
}

TEST_F(DialSequenceTest, redialNTimesWithZero_stopsAtTheFirstTick) {
    redialTimes(0);
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(1);
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Redial limit of 0 times reached"});
    EXPECT_EQ(m().dialing, "false");
}

TEST_F(DialSequenceTest, bothRedialFlagsFalse_failsForGoodAtOnce) {
    m().settings.redialtillconnect = "false";
    m().settings.redialntimes = "false";
    console->cmdConnectDefault.userClick();
    forget();
    fail();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Connection Failed!");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes[0].title, "Connection Status");
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    EXPECT_FALSE(ras->timerredial.enabled());
    EXPECT_EQ(m().dialing, "false");
    EXPECT_TRUE(console->cmdConnectDefault.enabled());
    EXPECT_FALSE(console->cmdHangup.enabled());
    EXPECT_TRUE(configDial().enabled());
    // Left as they were for the next tick to notice.
    EXPECT_EQ(m().currentprofile, "Home");
    EXPECT_TRUE(console->timer.enabled());
    EXPECT_TRUE(console->mPopHangup.enabled());
}

TEST_F(DialSequenceTest, failureForGood_isClearedFromTheConsoleByTheNextTick) {
    m().settings.redialtillconnect = "false";
    console->cmdConnectDefault.userClick();
    fail();
    console->timer.tick();
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Home terminated!"});
    EXPECT_EQ(m().currentprofile, "");
    EXPECT_FALSE(console->timer.enabled());
}

TEST_F(DialSequenceTest, limitReachedOnce_doesNotEndTheNextCallsRedialing) {
    redialTimes(1);
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(7);
    fail();
    redialTicks(1);
    ASSERT_EQ(boxTexts(), std::vector<std::string>{"Redial limit of 1 times reached"});

    console->cmdConnectDefault.userClick();
    fail();
    forget();
    redialTicks(7);
    EXPECT_TRUE(boxTexts().empty());
    EXPECT_EQ(dialledNumbers().size(), 1u);
    EXPECT_EQ(ras->redial, 1);
}

TEST_F(DialSequenceTest, connecting_setsTheRedialCountBackToZero) {
    redialTimes(5);
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(7);
    ASSERT_EQ(ras->redial, 1);
    connect();
    EXPECT_EQ(ras->redial, 0);
    EXPECT_EQ(ras->ANindex, 0);
}

TEST_F(DialSequenceTest, alternatesInSlotsTwoAndFive_walkPhonebookTwoFivePhonebookTwo) {
    setAlternates("Home", {{2, "5550102"}, {5, "5550105"}});
    console->cmdConnectDefault.userClick();
    std::vector<std::string> numbers = dialledNumbers();
    for (int attempt = 0; attempt < 4; ++attempt) {
        fail();
        redialTicks(7);
        for (const auto& n : dialledNumbers())
            numbers.push_back(n);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"5550100", "5550102", "5550105", "5550100", "5550102"}));
}

TEST_F(DialSequenceTest, alternateRedial_reportsTheSequenceAndTheNumber) {
    setAlternates("Home", {{1, "5550101"}, {2, "5550102"}});
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(7);
    EXPECT_EQ(statusLines().back(), "Dialing sequence #1 : 5550101");
    EXPECT_EQ(ras->ANindex, 1);
    fail();
    redialTicks(7);
    EXPECT_EQ(statusLines().back(), "Dialing sequence #2: 5550102");
    fail();
    redialTicks(7);
    EXPECT_EQ(statusLines().back(), "Dialing DUN phone number");
    EXPECT_EQ(ras->ANindex, 0);
}

TEST_F(DialSequenceTest, alternateRedial_clearsTheEntryBeforeSettingTheNumber) {
    setAlternates("Home", {{3, "5550103"}});
    console->cmdConnectDefault.userClick();
    fail();
    forget();
    redialTicks(7);
    EXPECT_EQ(h.dialUp.takeCalls(),
              (std::vector<std::string>{"EntryName = \"\"", "PhoneNumber = \"5550103\"",
                                        "UserName = \"alice\"", "Password = \"secret\"", "Domain = \"WORK\"",
                                        "EntryName = \"Home\"", "Dial"}));
}

TEST_F(DialSequenceTest, emptyAlternateSlot_countsAsSetAndDialsAnEmptyNumber) {
    setAlternates("Home", {{4, ""}});
    console->cmdConnectDefault.userClick();
    fail();
    forget();
    redialTicks(7);
    EXPECT_EQ(dialledNumbers(), std::vector<std::string>{""});
    EXPECT_EQ(statusLines().back(), "Dialing sequence #4: ");
}

TEST_F(DialSequenceTest, alternatesOnWithNoSlotSet_alwaysRedialThePhonebookNumber) {
    setAlternates("Home", {});
    console->cmdConnectDefault.userClick();
    dialledNumbers();
    for (int attempt = 0; attempt < 2; ++attempt) {
        fail();
        redialTicks(7);
        EXPECT_EQ(dialledNumbers(), std::vector<std::string>{"5550100"});
    }
}

TEST_F(DialSequenceTest, hangUpWhileARedialWaits_dialsNothingMore) {
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(3);
    console->cmdHangup.userClick();
    forget();
    redialTicks(10);
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Hang up on Home"});
}

TEST_F(DialSequenceTest, waitCutShortByAHangUp_keepsItsTickCountForTheNextWait) {
    console->cmdConnectDefault.userClick();
    fail();
    redialTicks(4);
    console->cmdHangup.userClick();
    console->cmdConnectDefault.userClick();
    fail();
    forget();
    redialTicks(3);
    EXPECT_EQ(dialledNumbers().size(), 1u);
}

TEST_F(DialSequenceTest, failureAfterTheUserHungUp_failsForGood) {
    console->cmdConnectDefault.userClick();
    console->cmdHangup.userClick();
    forget();
    fail();
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"Connection Failed!"});
    EXPECT_FALSE(ras->timerredial.enabled());
}

} // namespace
} // namespace quillan
